#include "customize/ImagesPage.h"
#include "imagetools/PictureSummary.h"

#include "CustomizeFixture.h"
#include "imagetools/JpegCodec.h"
#include "support/JpegSamples.h"

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct ImagesPageTest : CustomizeFixture {
    ImagesPageTest() {
        WritePkg(
            "images.xml",
            TableXml({"<image>Logo</image><url>logo.gif</url><folder>images/</folder><var>%%img_logo%%</var>",
                      "<image>Photo</image><url>photo.jpg</url><folder>images\\</folder><var>%%img_photo%%</var>"}));
        WritePkg("index.html", "<html><head>\n%%STYLE%%\n</head><body>\n<img src=\"%%img_logo%%\">\n"
                               "<img src=\"%%img_photo%%\">\n%%layout_top%%\n%%menu_main%%\n</body></html>\n");
        WritePkg("images/photo.jpg", EncodeJpeg(GradientImage(20, 10)));
        WritePkg("images/b.jpg", "b");
        WritePkg("images/Thumbs.db", "cache");
        WritePkg("images/old/x.txt", "sub");
    }
    // The image root and its backup, as packages with settings have them.
    void WithBackup() {
        WritePkg("tamblor_settings.xml", TableXml({"<imageroot>images</imageroot>"}));
        for (const char* name : {"logo.gif", "photo.jpg"})
            WritePkg(std::string("default_images/") + name, std::string("backup ") + name);
    }
    ImagesPage& page() { return session.imagesPage(); }
    ImageVariable& Row(size_t row) { return ws().tables.images[row]; }
    void ClickFile(const std::string& name) {
        const auto& files = page().files();
        const auto found = std::find(files.begin(), files.end(), name);
        ASSERT_NE(found, files.end()) << name;
        page().FileClicked(static_cast<size_t>(found - files.begin()));
    }
    const std::string& SelectedFile() { return page().files().at(page().selectedFile().value()); }
};

} // namespace

TEST_F(ImagesPageTest, TheFileListHoldsPicturesSortedWithoutCaseAndAlwaysShowsTheCurrentFile) {
    WritePkg("images/a.jpg", "a");
    WritePkg("images/C.jpg", "C");
    WritePkg("images/notes.txt", "n");
    WritePkg("images/D.WebP", "d");
    WritePkg("images/e.svg", "<svg/>");
    WritePkg("images/folder.png/inside.png", "a folder with a picture's name");
    Open();
    page().onImageSelected(0);
    // Only files a page can show as a picture: no notes, no folders, no thumbnail cache.
    EXPECT_EQ(page().files(),
              (std::vector<std::string>{"a.jpg", "b.jpg", "C.jpg", "D.WebP", "e.svg", "logo.gif", "photo.jpg"}));
    EXPECT_EQ(SelectedFile(), "logo.gif");
    Row(0).url = "Photo.JPG"; // on disk only in another case
    page().onImageSelected(0);
    EXPECT_EQ(page().files().size(), 8u);
    EXPECT_EQ(SelectedFile(), "Photo.JPG");
    Row(1).folder = "missing/";
    page().onImageSelected(1);
    EXPECT_EQ(page().files(), (std::vector<std::string>{"photo.jpg"}));
    EXPECT_EQ(ui.suspended, 0);
}

TEST_F(ImagesPageTest, AFileClickChoosesTheFileAndRebuilds) {
    Open();
    page().FileClicked(0);
    EXPECT_EQ(Row(0).url, "logo.gif");
    page().onImageSelected(0);
    const size_t before = Rebuilds();
    ClickFile("b.jpg");
    EXPECT_EQ(Row(0).url, "b.jpg");
    EXPECT_EQ(Rebuilds(), before + 1);
    EXPECT_NE(Preview().find("<img src=\"images/b.jpg\">"), std::string::npos);
}

TEST_F(ImagesPageTest, DeleteRefusesTheDefaultAndResetsOnlyTheRowsThatUsedTheFile) {
    WritePkg("images/c.jpg", "c");
    Open();
    page().onImageSelected(1);
    ClickFile("c.jpg");
    page().onImageSelected(0);
    ClickFile("b.jpg");
    page().Delete(); // b.jpg is not the Logo's default, but photo.jpg is the Photo's
    ASSERT_EQ(ui.questions.back(), "Do you really want to delete the image \"b.jpg\"?");
    EXPECT_FALSE(fs::exists(Pkg("images/b.jpg")));
    EXPECT_EQ(Row(0).url, "logo.gif");
    EXPECT_EQ(Row(1).url, "c.jpg");
    EXPECT_EQ(page().selected(), 0u);
    EXPECT_EQ(SelectedFile(), "logo.gif");
    EXPECT_EQ(Preview().find("b.jpg"), std::string::npos);

    page().Delete();
    EXPECT_EQ(ui.messages.back(), "Cannot delete default image. Operation aborted.");
    EXPECT_TRUE(fs::exists(Pkg("images/logo.gif")));
    page().onImageSelected(1);
    ClickFile("c.jpg");
    ui.answers = {Answer::No};
    page().Delete();
    EXPECT_TRUE(fs::exists(Pkg("images/c.jpg")));
    Row(0).url = "old"; // a folder named by the table still shows, and is never deleted
    page().onImageSelected(0);
    page().Delete();
    EXPECT_EQ(FirstLines(ui.errors).back(), "Error: Cannot delete image file.");
    EXPECT_NE(ui.errors.back().find("images/old\" is a folder."), std::string::npos) << ui.errors.back();
    EXPECT_TRUE(fs::exists(Pkg("images/old/x.txt")));
}

TEST_F(ImagesPageTest, AddAsksBeforeReplacingAndReportsAFailedCopy) {
    const fs::path outside = app.Write("pictures/b.jpg", "new b");
    Open();
    page().Add();
    EXPECT_TRUE(ui.openRequests.empty()); // no row selected
    page().onImageSelected(0);
    page().Add(); // cancelled: the list is read again
    EXPECT_EQ(ui.openRequests.size(), 1u);
    ui.openPaths = {outside};
    ui.answers = {Answer::No};
    page().Add();
    EXPECT_EQ(ui.questions.back(), "Image with that name already exists. Overwrite?");
    EXPECT_EQ(ReadFileBytes(Pkg("images/b.jpg")), "b");
    ui.openPaths = {outside};
    page().Add();
    EXPECT_EQ(ReadFileBytes(Pkg("images/b.jpg")), "new b");
    app.Write("pictures/d.png", "d");
    ui.openPaths = {app.path() / "pictures/d.png"};
    page().Add();
    EXPECT_EQ(std::count(page().files().begin(), page().files().end(), "d.png"), 1);
    EXPECT_EQ(Row(0).url, "logo.gif");
    ui.openPaths = {app.path() / "pictures/gone.png"};
    page().Add();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("gone.png"), std::string::npos);
}

TEST_F(ImagesPageTest, TheSelectedFileIsShownBesideTheListWithItsSizes) {
    Open();
    EXPECT_FALSE(page().SelectedFilePath());
    page().onImageSelected(0);
    ASSERT_TRUE(page().SelectedFilePath());
    EXPECT_EQ(*page().SelectedFilePath(), Pkg("images/logo.gif"));
    Row(0).url = "../../../outside.gif";
    page().onImageSelected(0);
    EXPECT_FALSE(page().SelectedFilePath()) << "a file outside the package is not shown";

    EXPECT_EQ(PictureSummary(PixelSize{640, 480}, 14540), "640 x 480 pixels, 14.2 KB");
    EXPECT_EQ(PictureSummary(std::nullopt, 300), "300 bytes");
    EXPECT_EQ(PictureSummary(PixelSize{0, 0}, std::nullopt), "") << "an unreadable picture has no size";
}

TEST_F(ImagesPageTest, SeveralFilesAreAddedAtOnceAndOnlyPictures) {
    app.Write("drop/e.webp", "e");
    app.Write("drop/F.SVG", "f");
    app.Write("drop/notes.txt", "n");
    app.Write("drop/b.jpg", "dropped b");
    Open();
    page().onImageSelected(0);
    ui.answers = {Answer::No};
    page().AddFiles({app.path() / "drop/e.webp", app.path() / "drop/notes.txt", app.path() / "drop/b.jpg",
                     app.path() / "drop/F.SVG"});
    EXPECT_TRUE(fs::exists(Pkg("images/e.webp")));
    EXPECT_TRUE(fs::exists(Pkg("images/F.SVG")));
    EXPECT_FALSE(fs::exists(Pkg("images/notes.txt")));
    EXPECT_EQ(ReadFileBytes(Pkg("images/b.jpg")), "b") << "No to the overwrite question keeps the file";
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("notes.txt"), std::string::npos);
    EXPECT_EQ(ui.messages[0].find("e.webp"), std::string::npos);
    EXPECT_EQ(std::count(page().files().begin(), page().files().end(), "e.webp"), 1);
}

TEST_F(ImagesPageTest, ExportCopiesTheSelectedFileAndReportsFailure) {
    Open();
    page().onImageSelected(1);
    app.Write("out/photo.jpg", "old");
    ui.savePaths = {app.path() / "out/photo.jpg", app.path() / "no/such/folder/photo.jpg"};
    page().Export();
    EXPECT_EQ(ui.saveRequests.back().title, "Save As");
    EXPECT_EQ(ui.saveRequests.back().proposedName, "photo.jpg");
    EXPECT_EQ(ReadFileBytes(app.path() / "out/photo.jpg"), ReadFileBytes(Pkg("images/photo.jpg")));
    page().Export();
    EXPECT_EQ(ui.errors.size(), 1u);
}

TEST_F(ImagesPageTest, RestoreNeedsABackupAndFollowsTheSecondAnswer) {
    Open();
    page().RestoreDefaults();
    EXPECT_EQ(ui.messages.back(), "Images Backup Doesn't Exist! Operation aborted.");
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(ImagesPageTest, RestoreKeepingCustomImagesOnlyAddsTheMissingOnes) {
    WithBackup();
    Open();
    fs::remove(Pkg("images/logo.gif"));
    page().onImageSelected(0);
    ClickFile("b.jpg");
    page().RestoreDefaults();
    EXPECT_EQ(ReadFileBytes(Pkg("images/logo.gif")), "backup logo.gif");
    EXPECT_NE(ReadFileBytes(Pkg("images/photo.jpg")), "backup photo.jpg");
    EXPECT_TRUE(fs::exists(Pkg("images/b.jpg")));
    EXPECT_EQ(ui.messages.back(), "Operation Complete.");
    EXPECT_EQ(Row(0).url, "logo.gif");
    EXPECT_FALSE(page().selected());
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(ImagesPageTest, RestoreKeepingCustomImagesNeverWritesThroughALinkInThePackage) {
    WithBackup();
    WritePkg("default_images/sub/inner.gif", "backup inner.gif");
    TestFolder other;
    other.Write("keep.txt", "elsewhere");
    Open();
    fs::create_symlink(other.path(), Pkg("images/sub"));
    fs::remove(Pkg("images/photo.jpg"));
    page().RestoreDefaults();
    EXPECT_FALSE(other.Exists("inner.gif"));
    EXPECT_EQ(ReadFileBytes(Pkg("images/photo.jpg")), "backup photo.jpg") << "the rest is restored";
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("images/sub\". It is a symbolic link"), std::string::npos) << ui.errors[0];
}

TEST_F(ImagesPageTest, RestoreWithoutKeepingReplacesTheImageFolderAndCancelChangesNothing) {
    WithBackup();
    Open();
    ui.answers = {Answer::Yes, Answer::Cancel};
    page().RestoreDefaults();
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(fs::exists(Pkg("images/b.jpg")));
    ui.answers = {Answer::Yes, Answer::No};
    page().RestoreDefaults();
    EXPECT_FALSE(fs::exists(Pkg("images/b.jpg")));
    EXPECT_FALSE(fs::exists(Pkg("images/default_images")));
    EXPECT_EQ(ReadFileBytes(Pkg("images/photo.jpg")), "backup photo.jpg");
    EXPECT_EQ(ui.messages.back(), "Operation Complete.");
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(ImagesPageTest, FileNamesInEveryScriptAreListedChosenAddedSavedAndDeleted) {
    const std::string greek = "\xCE\xB5\xCE\xB9\xCE\xBA\xCF\x8C\xCE\xBD\xCE\xB1.jpg"; // εικόνα
    const std::string polish = "\xC5\xBC\xC3\xB3\xC5\x82w.jpg";                       // żółw
    const std::string cyrillic = "\xD1\x84\xD0\xBE\xD1\x82\xD0\xBE.jpg";              // фото
    const std::string japanese = "\xE5\x86\x99\xE7\x9C\x9F";                          // 写真
    WritePkg("images/" + greek, "g");
    WritePkg("images/" + polish, "p");
    const fs::path outside = app.Write("pictures/" + cyrillic, "c");
    Open();
    page().onImageSelected(0);
    ClickFile(greek);
    EXPECT_EQ(Row(0).url, greek);
    EXPECT_NE(Preview().find("images/" + greek), std::string::npos);
    ui.openPaths = {outside};
    page().Add();
    ClickFile(cyrillic);
    EXPECT_EQ(ReadFileBytes(Pkg("images/" + cyrillic)), "c");
    page().onImageSelected(1);
    ASSERT_TRUE(page().Tweak());
    ASSERT_TRUE(page().LoadEditorImage());
    std::string name = japanese;
    ASSERT_EQ(page().SaveEditedImage(name), ImageSaveOutcome::Saved);
    EXPECT_EQ(name, japanese + ".jpg");
    EXPECT_TRUE(fs::exists(Pkg("images/" + japanese + ".jpg")));
    page().onImageSelected(0);
    ClickFile(polish);
    page().Delete();
    EXPECT_EQ(ui.questions.back(), "Do you really want to delete the image \"" + polish + "\"?");
    EXPECT_FALSE(fs::exists(Pkg("images/" + polish)));
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(ImagesPageTest, ThePackageNamesItsOwnPictureFoldersAndTheirBackup) {
    WritePkg("tamblor_settings.xml",
             TableXml({"<imageroot>assets/img</imageroot><imagebackup>assets/img_default</imagebackup>"}));
    WritePkg("images.xml", TableXml({"<image>Logo</image><url>logo.gif</url><folder>assets/img/</folder>"
                                     "<var>%%img_logo%%</var>"}));
    WritePkg("assets/img/logo.gif", "mine");
    WritePkg("assets/img_default/logo.gif", "default");
    Open();
    page().onImageSelected(0);
    ui.answers = {Answer::Yes, Answer::No};
    page().RestoreDefaults();
    EXPECT_EQ(ui.messages.back(), "Operation Complete.");
    EXPECT_EQ(ReadFileBytes(Pkg("assets/img/logo.gif")), "default");
}

TEST_F(ImagesPageTest, TweakTakesTheSelectedFileAndOpensOnlyJpegs) {
    WritePkg("images/shot.JPEG", EncodeJpeg(GradientImage(4, 4)));
    Open();
    page().onImageSelected(0);
    const size_t before = Rebuilds();
    EXPECT_FALSE(page().Tweak());
    EXPECT_EQ(ui.messages.back(), "This editor currently supports only JPEG images.");
    ClickFile("shot.JPEG");
    EXPECT_TRUE(page().Tweak());
    EXPECT_EQ(page().editor().imagePath(), "images/shot.JPEG");
    EXPECT_TRUE(page().LoadEditorImage());
    EXPECT_EQ(page().ProposedSaveName(), "shot_1.jpg");
    EXPECT_EQ(Rebuilds(), before + 1);
}

TEST_F(ImagesPageTest, SavingTheEditedImageChoosesItAndKeepsTheOtherChoices) {
    WritePkg("images/PHOTO_1.jpg", "taken");
    Open();
    page().onImageSelected(0);
    ClickFile("b.jpg");
    page().onImageSelected(1);
    ASSERT_TRUE(page().Tweak());
    ASSERT_TRUE(page().LoadEditorImage());
    EXPECT_EQ(page().ProposedSaveName(), "photo_2.jpg");
    page().editor().Grayscale();
    page().editor().SetChannel(Channel::Blue, false);

    std::string name = "photo_1";
    EXPECT_EQ(page().SaveEditedImage(name), ImageSaveOutcome::Refused);
    EXPECT_EQ(name, "photo_1.jpg");
    EXPECT_EQ(ui.messages.back(), "Such image already exists. Please, change the file name.");
    EXPECT_EQ(ReadFileBytes(Pkg("images/PHOTO_1.jpg")), "taken");
    name = "../escape";
    EXPECT_EQ(page().SaveEditedImage(name), ImageSaveOutcome::Refused);
    EXPECT_FALSE(fs::exists(Pkg("escape.jpg")));

    name = "gray.gif";
    ASSERT_EQ(page().SaveEditedImage(name), ImageSaveOutcome::Saved);
    EXPECT_EQ(name, "gray.jpg");
    EXPECT_EQ(Row(1).url, "gray.jpg");
    EXPECT_EQ(Row(0).url, "b.jpg");
    EXPECT_EQ(SelectedFile(), "gray.jpg");
    EXPECT_NE(Preview().find("images\\gray.jpg"), std::string::npos);
    const RgbImage saved = DecodeJpeg(ReadFileBytes(Pkg("images/gray.jpg")));
    EXPECT_EQ(saved.pixels[2], 0);
    EXPECT_NEAR(saved.pixels[0], page().editor().adjusted().pixels[0], 2);
}

TEST_F(ImagesPageTest, TheBrowserPicksExactlyTheChosenFile) {
    WritePkg("images/notes.txt", "text");
    Open();
    EXPECT_FALSE(page().OpenBrowser({"jpg"}));
    page().onImageSelected(1);
    ASSERT_TRUE(page().OpenBrowser({"jpg", "gif"}));
    EXPECT_EQ(page().browser().files(), (std::vector<std::string>{"b.jpg", "logo.gif", "photo.jpg"}));
    EXPECT_EQ(page().browser().Picked(), "photo.jpg");
    page().browser().Select(0);
    page().BrowserPicked();
    EXPECT_EQ(Row(1).url, "b.jpg");
    EXPECT_EQ(SelectedFile(), "b.jpg");
}

TEST_F(ImagesPageTest, AFolderOutsideThePackageIsRefusedEverywhere) {
    app.Write("secret/key.jpg", "secret");
    WritePkg("presets/images/Out.xml",
             TableXml({"<image>Logo</image><url>key.jpg</url><folder>x</folder><var>../../secret/</var>"}));
    Open();
    page().onImageSelected(0);
    page().presets().Select(0);
    page().presets().Apply();
    EXPECT_EQ(Row(0).folder, "../../secret/");
    EXPECT_EQ(page().files(), (std::vector<std::string>{"key.jpg"}));
    const size_t errors = ui.errors.size();
    EXPECT_FALSE(page().OpenBrowser({"jpg"}));
    ASSERT_EQ(ui.errors.size(), errors + 1);
    EXPECT_NE(ui.errors.back().find("outside"), std::string::npos);
    ui.answers = {Answer::Yes};
    page().Delete();
    EXPECT_EQ(ReadFileBytes(app.path() / "secret/key.jpg"), "secret");
    EXPECT_FALSE(page().Tweak() && page().LoadEditorImage());
    EXPECT_GT(ui.errors.size(), errors + 2);
}
