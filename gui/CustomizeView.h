#pragma once

#include <QWidget>

class QAction;
class QComboBox;
class QListWidget;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace quorlex {

struct TemplateWorkspace;
class ColorsPanel;
class DevicePreviewArea;
class FontsPanel;
class ImagesPanel;
class LayoutsPanel;
class MenusPanel;
class PagesPanel;
class PreviewBrowser;
class Session;

// "2) Customize": the customization sub-pages over the "Live Preview:" group.
class CustomizeView : public QWidget {
    Q_OBJECT
public:
    explicit CustomizeView(Session& session, QWidget* parent = nullptr);

    void ShowWorkspace();
    void ShowWorkflow();
    // The undo and redo actions name their steps, or are disabled.
    void ShowHistory();
    // Shared by the toolbar and the Edit menu.
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }
    QTabWidget* subPages() const { return m_subPages; }
    PreviewBrowser* preview() const { return m_preview; }
    QComboBox* deviceWidths() const { return m_deviceWidths; }
    QListWidget* titleList(int subPage) const;
    QListWidget* presetList(int subPage) const;
    ColorsPanel* colorsPanel() const { return m_colors; }
    LayoutsPanel* layoutsPanel() const { return m_layouts; }
    FontsPanel* fontsPanel() const { return m_fonts; }
    ImagesPanel* imagesPanel() const { return m_images; }
    MenusPanel* menusPanel() const { return m_menus; }
    PagesPanel* pagesPanel() const { return m_pagesPanel; }

private:
    QWidget* BuildPreviewGroup();
    QToolBar* BuildPreviewToolbar();
    QWidget* ToolbarStrip(QToolBar* toolbar);
    void AddHistoryActions(QToolBar* toolbar);
    QComboBox* BuildDeviceWidths();

    Session& m_session;
    QTabWidget* m_subPages;
    QSplitter* m_split;
    PreviewBrowser* m_preview = nullptr;
    DevicePreviewArea* m_previewArea = nullptr;
    QComboBox* m_deviceWidths = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    ColorsPanel* m_colors;
    LayoutsPanel* m_layouts;
    FontsPanel* m_fonts;
    ImagesPanel* m_images;
    MenusPanel* m_menus;
    PagesPanel* m_pagesPanel;
    QListWidget* m_titles[5] = {};
    QListWidget* m_presets[5] = {};
    bool m_applying = false;
};

} // namespace quorlex
