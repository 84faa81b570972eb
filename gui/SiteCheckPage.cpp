#include "SiteCheckPage.h"

#include "QtText.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace quorlex {
namespace {

enum Column { kProblem, kLocation, kSubject, kExplanation, kChange };

// A sample of the text in its two colors.
QIcon ColorSample(const SiteFinding& finding) {
    QPixmap sample(28, 18);
    sample.fill(QColor(ToQt(finding.background)));
    QPainter painter(&sample);
    painter.setPen(QColor(Qt::gray));
    painter.drawRect(sample.rect().adjusted(0, 0, -1, -1));
    painter.setPen(QColor(ToQt(finding.foreground)));
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(sample.rect(), Qt::AlignCenter, QStringLiteral("Aa"));
    return QIcon(sample);
}

} // namespace

SiteCheckPage::SiteCheckPage(SiteCheck& check, QWidget* parent) : QWidget(parent), m_check(check) {
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("SiteCheckStatus"));
    m_status->setWordWrap(true);
    m_findings = new QTreeWidget;
    m_findings->setObjectName(QStringLiteral("SiteCheckFindings"));
    m_findings->setRootIsDecorated(false);
    m_findings->setUniformRowHeights(true);
    m_findings->setIconSize(QSize(28, 18));
    m_findings->setHeaderLabels({QStringLiteral("Problem"), QStringLiteral("Found in"),
                                 QStringLiteral("Link, menu item or text"), QStringLiteral("Details"),
                                 QStringLiteral("What to change")});
    QHeaderView* header = m_findings->header();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    for (auto [column, width] : {std::pair{kProblem, 190}, {kLocation, 100}, {kSubject, 240}, {kExplanation, 330}})
        header->resizeSection(column, width);
    m_details = new QLabel;
    m_details->setObjectName(QStringLiteral("SiteCheckDetails"));
    m_details->setWordWrap(true);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_details->setMinimumHeight(m_details->fontMetrics().lineSpacing() * 3);
    m_details->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    connect(m_findings, &QTreeWidget::currentItemChanged, this, &SiteCheckPage::ShowDetails);
    connect(m_findings, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const std::vector<SiteFinding> findings = m_check.findings();
        const int row = m_findings->indexOfTopLevelItem(item);
        if (row >= 0 && static_cast<size_t>(row) < findings.size())
            emit findingActivated(findings[static_cast<size_t>(row)]);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_findings, 1);
    layout->addWidget(m_details);
    m_check.SetListener(this);
    Render();
}

SiteCheckPage::~SiteCheckPage() { m_check.SetListener(nullptr); }

void SiteCheckPage::Render() {
    m_status->setText(ToQt(m_check.StatusText()));
    m_findings->clear();
    const int rowHeight = std::max(m_findings->iconSize().height(), m_findings->fontMetrics().height()) + 6;
    for (const SiteFinding& finding : m_check.findings()) {
        auto* item =
            new QTreeWidgetItem(m_findings, {ToQt(FindingTitle(finding.kind)), ToQt(finding.location),
                                             ToQt(finding.subject), ToQt(finding.explanation), ToQt(finding.change)});
        item->setSizeHint(kProblem, QSize(0, rowHeight));
        for (int column = kProblem; column <= kChange; ++column)
            item->setToolTip(column, item->text(column));
        if (finding.kind == FindingKind::LowContrast)
            item->setIcon(kProblem, ColorSample(finding));
    }
    ShowDetails();
}

// The selected finding in full: the list's columns cut long texts.
void SiteCheckPage::ShowDetails() {
    const QTreeWidgetItem* item = m_findings->currentItem();
    if (!item) {
        m_details->clear();
        return;
    }
    QString text = item->text(kSubject) + QStringLiteral("\n") + item->text(kExplanation);
    if (!item->text(kChange).isEmpty())
        text += QStringLiteral("\nWhat to change: ") + item->text(kChange);
    m_details->setText(text);
}

} // namespace quorlex
