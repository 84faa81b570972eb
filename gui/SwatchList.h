#pragma once

#include "customize/Swatches.h"

#include <QListWidget>
#include <optional>
#include <vector>

namespace quorlex {

// The named colors as small swatches with their names, in columns.
class SwatchList : public QListWidget {
    Q_OBJECT
public:
    explicit SwatchList(QWidget* parent = nullptr);

    // Redraws the swatches (the "Custom..." color changes) and the selection, without signals.
    void Show(const std::vector<Swatch>& swatches, std::optional<size_t> selected);

signals:
    void enterPressed(int row);
    // The arrow keys, Home, End or the page keys moved the current swatch.
    void movedByKey(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<Color> m_iconColors; // the color each row's icon shows
};

} // namespace quorlex
