#include "ImagesPanel.h"

#include "GuardedCall.h"
#include "ImageBrowserDialog.h"
#include "ImageEditorWindow.h"
#include "ListRows.h"
#include "PresetPanel.h"
#include "RowChoice.h"
#include "app/Session.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
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
    for (QPushButton* restoring : {add, remove, restore})
        restoring->installEventFilter(this);
    return column;
}

QPushButton* ImagesPanel::AddButton(const QString& caption, const QString& name, void (ImagesPanel::*action)()) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

QPushButton* ImagesPanel::button(const QString& name) const { return findChild<QPushButton*>(name); }

bool ImagesPanel::eventFilter(QObject* watched, QEvent* event) {
    // The right mouse button on "add", "delete" or "defaults" restores the shipped images.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
        qobject_cast<QPushButton*>(watched)) {
        Restore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
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
}

} // namespace quorlex
