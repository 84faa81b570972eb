#include "pagebase/CustomizationStep.h"

#include "pagebase/PageContext.h"

namespace quorlex {

CustomizationStep::CustomizationStep(PageContext& context, std::string label, StepReach reach)
    : m_context(context), m_label(std::move(label)) {
    m_context.BeginStep(reach);
}

CustomizationStep::~CustomizationStep() { m_context.EndStep(m_label); }

} // namespace quorlex
