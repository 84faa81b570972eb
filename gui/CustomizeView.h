#pragma once

#include <QWidget>

class QListWidget;
class QSplitter;
class QTabWidget;

namespace quorlex {

class PreviewBrowser;
class Session;

// "2) Customize": the customization sub-pages over the "Live Preview:" group.
class CustomizeView : public QWidget {
    Q_OBJECT
public:
    explicit CustomizeView(Session& session, QWidget* parent = nullptr);

    void ShowWorkspace();
    void ShowWorkflow();
    QTabWidget* subPages() const { return m_subPages; }
    PreviewBrowser* preview() const { return m_preview; }
    QListWidget* titleList(int subPage) const;
    QListWidget* presetList(int subPage) const;

private:
    QWidget* BuildTablePage(int subPage, const QString& titleCaption, bool hasPresets);
    QWidget* BuildPreviewGroup();

    Session& m_session;
    QTabWidget* m_subPages;
    QSplitter* m_split;
    PreviewBrowser* m_preview = nullptr;
    QListWidget* m_titles[5] = {};
    QListWidget* m_presets[5] = {};
    bool m_applying = false;
};

} // namespace quorlex
