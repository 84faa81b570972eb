#include "customize/CustomizationStep.h"

#include "customize/PageContext.h"

namespace quorlex {

CustomizationStep::CustomizationStep(PageContext& context, std::string label)
    : m_context(context), m_label(std::move(label)) {
    m_context.BeginStep();
}

CustomizationStep::~CustomizationStep() { m_context.EndStep(m_label); }

} // namespace quorlex
