#pragma once

#include <QComboBox>
#include <functional>

namespace quorlex {

// An editable combo box that stores only when told: a pick from its list (activated), Enter
// (entered) or a button. Typed text is not completed and leaving the box stores nothing.
class DropDownComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownComboBox(QWidget* parent = nullptr);

    // Runs right before the list drops down, so that its entries can be replaced.
    void SetBeforePopup(std::function<void()> beforePopup) { m_beforePopup = std::move(beforePopup); }
    // Entries and text without signals; the entries are replaced only when they differ.
    void Show(const QStringList& entries, const QString& text);
    void showPopup() override;
    // The list drops down as soon as the user types; typing goes on in the box.
    void OpenWhileTyping();

signals:
    void entered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_beforePopup;
};

} // namespace quorlex
