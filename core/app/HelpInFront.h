#pragma once

#include "app/WorkflowState.h"

namespace quorlex {

// The help topic of the page in front, which F1 opens: the catalog's, the customization
// tab's, the code tab's, the publish tab's or the export page's.
int HelpTopicInFront(const WorkflowState& state);

} // namespace quorlex
