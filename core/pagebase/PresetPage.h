#pragma once

namespace quorlex {

// What the page owning a preset panel does around the panel's operations.
class PresetPage {
public:
    virtual ~PresetPage() = default;
    // Before a preset is read.
    virtual void BeforePresetApply() {}
    // After a preset was taken over and the list refilled: show the new values.
    virtual void AfterPresetApply() {}
    // After "default" reloaded the table: the page's selections are gone.
    virtual void PresetTableReloaded() {}
};

} // namespace quorlex
