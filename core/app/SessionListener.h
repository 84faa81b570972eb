#pragma once

namespace quorlex {

// What changed in a session; the gui repaints the matching views.
enum class Aspect { Catalog, Workflow, Workspace, Output };

class SessionListener {
public:
    virtual ~SessionListener() = default;
    virtual void Changed(Aspect aspect) = 0;
};

} // namespace quorlex
