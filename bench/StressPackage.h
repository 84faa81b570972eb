#pragma once

#include <filesystem>

namespace quorlex::bench {

// How many rows each table of a stress package has, and whether it carries the files of a
// finished site (stylesheets, image files, static files).
struct StressShape {
    int layouts;
    int colors;
    int fonts;
    int images;
    int menus;
    bool siteFiles;
    int imageBytes = 50 * 1024;
};

// 300 variables over the five tables.
constexpr StressShape kRebuildStress{20, 150, 50, 60, 20, false};
// 300 variables, 200 of them images of 50 kB, 3 stylesheets and 100 static files.
constexpr StressShape kGenerationStress{20, 50, 20, 200, 10, true};
// A site of 10,000 images of 4 kB.
constexpr StressShape kManyImagesStress{5, 20, 5, 10000, 2, true, 4 * 1024};

// Writes a large package into `folder`: a page of over 1 MB with the placeholders of every
// table and a menu of 500 items.
void WriteStressPackage(const std::filesystem::path& folder, const StressShape& shape = kRebuildStress);

// A stress package in a fresh temporary folder, removed again at exit.
class TempStressPackage {
public:
    TempStressPackage(const char* name, const StressShape& shape);
    ~TempStressPackage();
    TempStressPackage(const TempStressPackage&) = delete;
    TempStressPackage& operator=(const TempStressPackage&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace quorlex::bench
