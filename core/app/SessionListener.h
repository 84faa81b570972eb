#pragma once

namespace quorlex {

// What changed in a session; the gui repaints the matching views. History: the steps that
// can be undone or redone.
enum class Aspect { Catalog, Workflow, Workspace, Output, History };

class SessionListener {
public:
    virtual ~SessionListener() = default;
    virtual void Changed(Aspect aspect) = 0;
};

} // namespace quorlex
