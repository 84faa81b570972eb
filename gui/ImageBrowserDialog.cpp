#include "ImageBrowserDialog.h"

#include "GuardedCall.h"
#include "QtText.h"
#include "ThumbnailView.h"
#include "app/Session.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quorlex {

ImageBrowserDialog::ImageBrowserDialog(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("ImageBrowser"));
    setWindowTitle(QStringLiteral("Image Browser"));
    setModal(true);
    resize(880, 560);
    m_view = new ThumbnailView;
    m_view->setObjectName(QStringLiteral("Thumbnails"));
    m_size = new QComboBox;
    m_size->setObjectName(QStringLiteral("ThumbnailSize"));
    for (const ThumbnailChoice& choice : ImageBrowser::Choices())
        m_size->addItem(QString::fromLatin1(choice.caption));
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("BrowserHelp"));
    connect(help, &QPushButton::clicked, this,
            Guarded(m_session.ui(), [this] { m_session.imagesPage().BrowserHelp(); }));
    help->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    m_ok = new QPushButton(QStringLiteral("OK"));
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("Thumbnails size:")));
    bar->addWidget(m_size);
    bar->addStretch();
    bar->addWidget(help);
    bar->addWidget(cancel);
    bar->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(bar);

    ImageBrowser& browser = session.imagesPage().browser();
    connect(m_size, &QComboBox::currentIndexChanged, this, Guarded(m_session.ui(), [this, &browser](int index) {
                browser.SetChoice(static_cast<size_t>(index));
                m_view->SetCellSize(browser.cellSize());
            }));
    connect(m_view, &ThumbnailView::selectionChanged, this,
            Guarded(m_session.ui(), [&browser](int index) { browser.Select(static_cast<size_t>(index)); }));
    connect(m_view, &ThumbnailView::activated, this, &ImageBrowserDialog::Pick);
    connect(m_ok, &QPushButton::clicked, this, &ImageBrowserDialog::Pick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, m_view, &ThumbnailView::Stop);
}

std::vector<std::string> ImageBrowserDialog::ReadableExtensions() {
    std::vector<std::string> extensions;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        extensions.push_back(format.toLower().toStdString());
    return extensions;
}

int ImageBrowserDialog::ShowFolder() {
    const ImageBrowser& browser = m_session.imagesPage().browser();
    {
        const QSignalBlocker blocker(m_size);
        m_size->setCurrentIndex(static_cast<int>(browser.choice()));
    }
    QStringList paths;
    for (size_t i = 0; i < browser.files().size(); ++i)
        paths << PathToQt(browser.FilePath(i));
    const auto selected = browser.selected();
    m_view->SetFiles(paths, browser.cellSize(),
                     selected ? std::optional<int>(static_cast<int>(*selected)) : std::nullopt);
    return exec();
}

void ImageBrowserDialog::Pick() {
    GuardedCall(m_session.ui(), [this] { m_session.imagesPage().BrowserPicked(); });
    accept();
}

} // namespace quorlex
