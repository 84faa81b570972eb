#pragma once

#include "workspace/TableFiles.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;
struct TemplateWorkspace;

// Names, checks and messages shared by every kind of preset, menu presets included.
namespace presettexts {
constexpr const char* kNamePlaceholder = "[Enter Name of Preset Here]";
constexpr const char* kEnterName = "Please, enter a name for this preset!";
constexpr const char* kAlreadyExists = "Such Preset Already Exists!";
constexpr const char* kSaveFailed =
    "Error Saving Preset. Please, be sure you are using only letters and numbers in the preset name!";
constexpr const char* kDeleteFailed = "Error: Cannot Delete Preset.";
} // namespace presettexts

// The name field's text once it has the focus: the placeholder gives way to empty text.
std::string NameFieldOnFocus(const std::string& text);

// True unless the name holds a control character or would put its file outside the preset folder.
bool IsSafePresetName(const std::string& name);

// The message refusing a name typed for saving, or nothing. Blanks around a name are kept.
std::optional<std::string> PresetNameRefusal(const std::string& name);

std::string DeletePresetQuestion(const std::string& name);

// Creates the preset root and then the kind's folder, one level each; failures are ignored.
void CreatePresetFolders(const TemplateWorkspace& ws, TableKind kind);

// The preset's file: the name plus ".xml", or the existing file whose name differs from that
// only in letter case. Throws Error for an unsafe name or a preset folder that leads outside.
fs::path PresetFile(const TemplateWorkspace& ws, TableKind kind, const std::string& name);

// The names of the preset files of a kind, as the preset list shows them.
std::vector<std::string> ListPresets(const TemplateWorkspace& ws, TableKind kind);

} // namespace quorlex
