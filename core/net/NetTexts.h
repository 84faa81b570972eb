#pragma once

namespace quorlex::nettexts {

constexpr const char* kVersionWindowTitle = "Version check...";
constexpr const char* kChecking = "Checking Version Info...";
constexpr const char* kDownloading = "Downloading Version Info...";
constexpr const char* kNewVersion =
    "New Version Available! Click \"Get the new version\" to visit the download page...";
constexpr const char* kNoUpdates = "There are no new updates available.";
constexpr const char* kCannotDownload = "Cannot Download Version Info. Please, try again later. ";

constexpr const char* kVersionPath = "/quorlex/version_free.php";
constexpr const char* kWhatsNewPath = "/quorlex/whatsnew_free.html";
constexpr const char* kDownloadPath = "/quorlex/update.html";
constexpr const char* kVersionFileName = "temp.tmp";

constexpr const char* kHeaderWindowTitle = "Check Headers ...";
constexpr const char* kExampleFileUrl = "http://www.example.com/menu/csshover2.htc";
constexpr const char* kStartUrl = "http://";
constexpr const char* kHeaderChecking = "Checking...";

} // namespace quorlex::nettexts
