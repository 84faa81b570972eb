#include "imagetools/ImageBrowser.h"
#include "imagetools/ImageNames.h"
#include "imagetools/ThumbnailGrid.h"
#include "imagetools/ThumbnailText.h"
#include "support/TestFolder.h"
#include "util/Error.h"
#include "util/TextFile.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

TEST(ImageNames, ProposalsSkipTakenNamesInAnyCaseAndAlwaysEndInJpg) {
    TestFolder folder;
    EXPECT_EQ(ProposedImageName(folder.path(), "header"), "header_1.jpg");
    folder.Write("header_1.jpg", "x");
    folder.Write("HEADER_2.JPG", "x");
    EXPECT_EQ(ProposedImageName(folder.path(), "header"), "header_3.jpg");
    EXPECT_EQ(ProposedImageName(folder.path(), WithoutExtension("photo.JPEG")), "photo_1.jpg");
}

TEST(ImageNames, TypedNamesBecomeJpegNamesAndUnsafeOnesAreRefused) {
    EXPECT_EQ(JpegFileName("banner"), "banner.jpg");
    EXPECT_EQ(JpegFileName("banner.JPEG"), "banner.JPEG");
    EXPECT_EQ(JpegFileName("banner.gif"), "banner.jpg");
    EXPECT_EQ(JpegFileName("my.banner"), "my.jpg");
    EXPECT_TRUE(IsJpegName("a.Jpg"));
    EXPECT_FALSE(IsJpegName("jpg"));
    for (const char* bad : {"../up", "a/b.jpg", "a\\b", "..", " .. "})
        EXPECT_EQ(ImageNameRefusal(bad), std::string(imagetexts::kPlainImageName)) << bad;
    for (const char* empty : {"", "   ", ".jpg", "."})
        EXPECT_EQ(ImageNameRefusal(empty), std::string(imagetexts::kEnterImageName)) << empty;
    EXPECT_FALSE(ImageNameRefusal("header_1"));
}

TEST(NewFile, NeverReplacesAnythingAndLeavesNoTemporaryFile) {
    TestFolder folder;
    const fs::path fresh = folder.path() / "new.jpg";
    WriteNewFile(fresh, "fresh");
    EXPECT_EQ(folder.Read("new.jpg"), "fresh");
    EXPECT_THROW(WriteNewFile(fresh, "again"), Error);
    EXPECT_EQ(folder.Read("new.jpg"), "fresh");
    // A dangling link is a name too: nothing is written through it.
    fs::create_symlink(folder.path() / "target.jpg", folder.path() / "link.jpg");
    EXPECT_THROW(WriteNewFile(folder.path() / "link.jpg", "x"), Error);
    EXPECT_FALSE(folder.Exists("target.jpg"));
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 2u);
}

TEST(ThumbnailGrid, RowsAreCentredAndHitsFindTheirCell) {
    const ThumbnailGrid grid(1000, {400, 100}, 3);
    EXPECT_EQ(grid.columns(), 2);
    EXPECT_EQ(grid.Cell(0).x, 100);
    EXPECT_EQ(grid.Cell(1).x, 500);
    EXPECT_EQ(grid.Cell(2).x, 300); // the last row holds one cell
    EXPECT_EQ(grid.Cell(2).y, 100);
    EXPECT_EQ(grid.height(), 200);
    EXPECT_EQ(grid.CellAt(99, 50), std::nullopt);
    EXPECT_EQ(grid.CellAt(100, 0), 0u);
    EXPECT_EQ(grid.CellAt(899, 99), 1u);
    EXPECT_EQ(grid.CellAt(299, 150), std::nullopt);
    EXPECT_EQ(grid.CellAt(650, 150), 2u);
    EXPECT_EQ(grid.CellAt(350, 200), std::nullopt);
    const ThumbnailGrid narrow(150, {200, 50}, 2);
    EXPECT_EQ(narrow.columns(), 1);
    EXPECT_EQ(narrow.Cell(1).x, 0);
}

TEST(ThumbnailGrid, ACaptionLineMakesTheRowsTallerAndKeepsThePictureRoom) {
    const ThumbnailGrid grid(1000, {400, 100}, 3, 18);
    EXPECT_EQ(grid.height(), 236);
    EXPECT_EQ(grid.Cell(2).y, 118);
    EXPECT_EQ(grid.Cell(2).height, 118);
    const CellRect picture = grid.Picture(2);
    EXPECT_EQ(picture.x, 303);
    EXPECT_EQ(picture.y, 121);
    EXPECT_EQ(picture.width, 394);
    EXPECT_EQ(picture.height, 94);
    const CellRect caption = grid.Caption(2);
    EXPECT_EQ(caption.y, 218);
    EXPECT_EQ(caption.height, 18);
    EXPECT_EQ(caption.x, 303);
    // A click on the caption picks its thumbnail, below the last row nothing.
    EXPECT_EQ(grid.CellAt(500, 110), 1u);
    EXPECT_EQ(grid.CellAt(500, 235), 2u);
    EXPECT_EQ(grid.CellAt(500, 236), std::nullopt);
}

TEST(ThumbnailText, TilesNameTheFileAndSayWhyAPictureIsMissing) {
    const ThumbnailTexts good = DescribeThumbnail({"banner.jpg", 14540, PixelSize{800, 200}, std::nullopt});
    EXPECT_EQ(good.caption, "banner.jpg");
    EXPECT_EQ(good.reason, "");
    EXPECT_EQ(good.toolTip, "banner.jpg\n14.2 KB\n800 x 200 pixels");

    const ThumbnailTexts bad =
        DescribeThumbnail({"logo.jpg", 512, std::nullopt, std::string("Not a JPEG file: starts with 0x89 0x50")});
    EXPECT_EQ(bad.caption, "logo.jpg");
    EXPECT_EQ(bad.reason, "cannot read: not a JPEG file: starts with 0x89 0x50");
    EXPECT_EQ(bad.toolTip, "logo.jpg\n512 bytes\ncannot read: not a JPEG file: starts with 0x89 0x50");
    // An acronym keeps its capitals; a final period goes; no message still says it.
    EXPECT_EQ(DescribeThumbnail({"a.jpg", {}, {}, std::string("JPEG datastream contains no image.")}).reason,
              "cannot read: JPEG datastream contains no image");
    EXPECT_EQ(DescribeThumbnail({"a.png", {}, {}, std::string("")}).reason, "cannot read");
    EXPECT_EQ(DescribeThumbnail({"a.png", {}, {}, std::nullopt}).toolTip, "a.png");
}

TEST(ThumbnailGrid, PicturesShrinkToFitInsideTheMarginButNeverGrow) {
    EXPECT_EQ(ThumbnailGrid::Fit({800, 600}, {400, 100}), (PixelSize{125, 94}));
    EXPECT_EQ(ThumbnailGrid::Fit({3000, 100}, {400, 100}), (PixelSize{394, 13}));
    EXPECT_EQ(ThumbnailGrid::Fit({80, 80}, {400, 100}), (PixelSize{80, 80}));
    EXPECT_EQ(ThumbnailGrid::Fit({10000, 1}, {200, 50}), (PixelSize{194, 1}));
}

TEST(ImageBrowser, ListsTheFolderImagesAndKeepsItsSizeChoice) {
    TestFolder folder;
    for (const char* name : {"b.PNG", "a.jpg", "notes.txt", "Thumbs.db", "c.gif"})
        folder.Write(name, "x");
    fs::create_directory(folder.path() / "old.jpg");
    ImageBrowser browser;
    EXPECT_EQ(browser.cellSize(), (PixelSize{400, 100}));
    browser.SetChoice(2);
    browser.SetChoice(7);
    EXPECT_EQ(browser.cellSize(), (PixelSize{800, 200}));
    browser.Open(folder.path(), {"jpg", "png", "gif"}, "b.PNG");
    EXPECT_EQ(browser.files(), (std::vector<std::string>{"a.jpg", "b.PNG", "c.gif"}));
    EXPECT_EQ(browser.Picked(), "b.PNG");
    browser.Open(folder.path(), {"jpg"}, "b.PNG");
    EXPECT_EQ(browser.Picked(), std::nullopt);
    EXPECT_EQ(browser.choice(), 2u);
}
