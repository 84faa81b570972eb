#pragma once

#include "output/SiteCheck.h"

#include <QWidget>

class QLabel;
class QTreeWidget;

namespace quorlex {

// "Check site": the state of the check of the generated site and its findings. A double-click
// (or Enter) on a finding asks to show what to change.
class SiteCheckPage : public QWidget, public SiteCheckListener {
    Q_OBJECT
public:
    explicit SiteCheckPage(SiteCheck& check, QWidget* parent = nullptr);
    ~SiteCheckPage() override;

    void SiteCheckChanged() override { Render(); }

    QLabel* status() const { return m_status; }
    QTreeWidget* findingList() const { return m_findings; }
    QLabel* details() const { return m_details; }

signals:
    void findingActivated(const quorlex::SiteFinding& finding);

private:
    void Render();
    void ShowDetails();

    SiteCheck& m_check;
    QLabel* m_status;
    QTreeWidget* m_findings;
    QLabel* m_details;
};

} // namespace quorlex
