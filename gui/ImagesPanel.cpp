#include "ImagesPanel.h"

#include "GuardedCall.h"
#include "ImageBrowserDialog.h"
#include "ImageEditorWindow.h"
#include "ListRows.h"
#include "PresetPanel.h"
#include "QtText.h"
#include "RowChoice.h"
#include "app/Session.h"
#include "imagetools/ImageNames.h"
#include "imagetools/PictureSummary.h"

#include <QDropEvent>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quorlex {

ImagesPanel::ImagesPanel(Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_page(session.imagesPage()) {
    m_titles = NewRowList();
    m_titles->setObjectName(QStringLiteral("ImageTitles"));
    m_presets = new PresetPanel(m_page.presets(), m_session.ui());
    m_editor = new ImageEditorWindow(session, this);
    m_browser = new ImageBrowserDialog(session, this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_titles, 3);
    layout->addWidget(BuildFileColumn(), 4);
    layout->addWidget(BuildThumbnail());
    layout->addWidget(m_presets, 3);

    auto select = [this] {
        GuardedCall(m_session.ui(), [this] { m_page.onImageSelected(SelectedRow(m_titles)); });
        Render();
    };
    new RowChoice(m_titles, select);
    connect(m_titles, &QListWidget::itemDoubleClicked, this, &ImagesPanel::OpenBrowser);
    // A file chosen by keyboard is a click on it; the list shows the row's file again also
    // after a failed click.
    new RowChoice(m_files, [this] {
        if (const auto row = SelectedRow(m_files))
            GuardedCall(m_session.ui(), [&] { m_page.FileClicked(*row); });
        Render();
    });
    connect(m_presets, &PresetPanel::valuesChanged, this, &ImagesPanel::Render);
    connect(m_editor, &ImageEditorWindow::imageSaved, this, &ImagesPanel::Render);
    Render();
}

QWidget* ImagesPanel::BuildFileColumn() {
    auto* column = new QWidget;
    m_files = new QListWidget;
    m_files->setObjectName(QStringLiteral("ImageFiles"));
    m_files->setToolTip(QStringLiteral("Drop pictures from the file manager here to add them"));
    m_files->viewport()->setAcceptDrops(true);
    m_files->viewport()->installEventFilter(this);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(AddButton(QStringLiteral("Select"), QStringLiteral("SelectImage"), &ImagesPanel::OpenBrowser));
    buttons->addWidget(AddButton(QStringLiteral("Tweak"), QStringLiteral("TweakImage"), &ImagesPanel::Tweak));
    auto* tweakHelp = new QPushButton(QStringLiteral("Help"));
    tweakHelp->setObjectName(QStringLiteral("TweakHelp"));
    connect(tweakHelp, &QPushButton::clicked, this, Guarded(m_session.ui(), [this] { m_page.TweakHelp(); }));
    buttons->addWidget(tweakHelp);
    buttons->addStretch();
    QPushButton* restore =
        AddButton(QStringLiteral("defaults"), QStringLiteral("RestoreImages"), &ImagesPanel::Restore);
    restore->setToolTip(QStringLiteral("Restore all of the template's original images from its backup; you are "
                                       "asked whether to keep the images you added or changed"));
    buttons->addWidget(restore);
    auto* deleteHelp = new QPushButton(QStringLiteral("Help"));
    deleteHelp->setObjectName(QStringLiteral("DeleteImageHelp"));
    connect(deleteHelp, &QPushButton::clicked, this, Guarded(m_session.ui(), [this] { m_page.DeleteImageHelp(); }));
    buttons->addWidget(deleteHelp);

    auto* files = new QHBoxLayout;
    files->setSpacing(2);
    QPushButton* add = AddButton(QStringLiteral("add"), QStringLiteral("AddImage"), &ImagesPanel::Add);
    QPushButton* remove = AddButton(QStringLiteral("delete"), QStringLiteral("DeleteImage"), &ImagesPanel::Delete);
    files->addWidget(add);
    files->addWidget(remove);
    files->addWidget(AddButton(QStringLiteral("export"), QStringLiteral("ExportImageBtn"), &ImagesPanel::Export));

    auto* layout = new QGridLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Select Image:")), 0, 0);
    layout->addWidget(m_files, 1, 0);
    layout->addLayout(buttons, 1, 1);
    layout->addLayout(files, 2, 0, 1, 2);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(0, 1);
    add->setToolTip(QStringLiteral("Copy pictures into the image's folder (right-click for more)"));
    for (QPushButton* restoring : {add, remove, restore}) {
        restoring->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(restoring, &QWidget::customContextMenuRequested, this,
                [this, restoring](const QPoint& at) { OfferRestore(restoring, at); });
    }
    return column;
}

QWidget* ImagesPanel::BuildThumbnail() {
    auto* column = new QWidget;
    m_thumbnail = new QLabel;
    m_thumbnail->setObjectName(QStringLiteral("ImageThumbnail"));
    m_thumbnail->setFixedSize(120, 96);
    m_thumbnail->setAlignment(Qt::AlignCenter);
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("ImageSummary"));
    // No word wrap: a wrapping label would make the page's height follow its width, and the
    // page would scroll at the usual sizes; the summary's parts stand on lines of their own.
    m_summary->setFixedWidth(120);
    m_summary->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addSpacing(QFontMetrics(font()).height());
    layout->addWidget(m_thumbnail);
    layout->addWidget(m_summary);
    layout->addStretch();
    return column;
}

// The right mouse button on "add", "delete" or "defaults" offers the restore of the shipped
// images as a labelled entry.
void ImagesPanel::OfferRestore(QPushButton* button, const QPoint& at) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("RestoreMenu"));
    menu.addAction(QStringLiteral("Restore all default images..."), this, &ImagesPanel::Restore);
    menu.exec(button->mapToGlobal(at));
}

QPushButton* ImagesPanel::AddButton(const QString& caption, const QString& name, void (ImagesPanel::*action)()) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

QPushButton* ImagesPanel::button(const QString& name) const { return findChild<QPushButton*>(name); }

bool ImagesPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_files->viewport() && DropFiles(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// Local files dragged from the file manager are added as "add" adds them.
bool ImagesPanel::DropFiles(QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls() || !m_page.selected()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type != QEvent::Drop)
        return true;
    std::vector<std::filesystem::path> files;
    for (const QUrl& url : drop->mimeData()->urls())
        if (url.isLocalFile())
            files.push_back(PathFromQt(url.toLocalFile()));
    GuardedCall(m_session.ui(), [&] { m_page.AddFiles(files); });
    Render();
    return true;
}

void ImagesPanel::Act(void (ImagesPage::*action)()) {
    GuardedCall(m_session.ui(), [&] { (m_page.*action)(); });
    Render();
}

void ImagesPanel::OpenBrowser() {
    bool open = false;
    GuardedCall(m_session.ui(), [&] { open = m_page.OpenBrowser(ImageBrowserDialog::ReadableExtensions()); });
    Render();
    if (open && m_browser->ShowFolder() == QDialog::Accepted)
        Render();
}

void ImagesPanel::Tweak() {
    bool open = false;
    GuardedCall(m_session.ui(), [&] { open = m_page.Tweak(); });
    Render();
    if (open)
        m_editor->OpenImage();
    Render();
}

void ImagesPanel::Reload(const QStringList& titles) {
    FillList(m_titles, titles);
    m_presets->Render();
    Render();
}

void ImagesPanel::Render() {
    m_presets->Render();
    ShowSelectedRow(m_titles, m_page.selected());
    FillList(m_files, m_page.files());
    ShowSelectedRow(m_files, m_page.selectedFile());
    ShowThumbnail();
}

// Every render of the page comes here: the picture is read again only when another file is
// chosen or the file changed (a save from the editor).
void ImagesPanel::ShowThumbnail() {
    const std::optional<std::filesystem::path> file = m_page.SelectedFilePath();
    std::error_code ec;
    const bool regular = file && std::filesystem::is_regular_file(*file, ec);
    const auto changed = regular ? std::filesystem::last_write_time(*file, ec) : std::filesystem::file_time_type();
    const ShownPicture shown{file.value_or(std::filesystem::path()), changed};
    if (m_shownPicture && *m_shownPicture == shown)
        return;
    m_shownPicture = shown;
    button(QStringLiteral("TweakImage"))->setEnabled(!file || EditorCanOpen(*file));
    m_thumbnail->setFrameShape(file ? QFrame::StyledPanel : QFrame::NoFrame);
    if (!regular) {
        m_thumbnail->setPixmap({});
        m_thumbnail->setText(file ? QStringLiteral("(no picture)") : QString());
        m_summary->clear();
        return;
    }
    QImageReader reader(PathToQt(*file));
    reader.setAutoTransform(true);
    const QSize pixels = reader.size();
    if (pixels.isValid())
        reader.setScaledSize(pixels.scaled(m_thumbnail->size() - QSize(4, 4), Qt::KeepAspectRatio).boundedTo(pixels));
    const QImage picture = reader.read();
    if (picture.isNull()) {
        m_thumbnail->setPixmap({});
        m_thumbnail->setText(QStringLiteral("(cannot show)"));
    } else {
        m_thumbnail->setPixmap(QPixmap::fromImage(picture));
    }
    const std::optional<PixelSize> size =
        pixels.isValid() ? std::optional<PixelSize>(PixelSize{pixels.width(), pixels.height()}) : std::nullopt;
    const std::uintmax_t bytes = std::filesystem::file_size(*file, ec);
    m_summary->setText(ToQt(PictureSummary(size, ec ? std::nullopt : std::optional<std::uint64_t>(bytes)))
                           .replace(QStringLiteral(", "), QStringLiteral("\n")));
    m_thumbnail->setToolTip(PathToQt(file->filename()));
}

} // namespace quorlex
