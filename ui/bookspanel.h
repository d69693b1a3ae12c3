#pragma once

// The books of the session at the foot of the window: initial balance, the
// stake and the win of the last coup and the balance, each in "Stücke", and
// the two buttons that put the window above other windows or release it.
// A click on its background does nothing.

#include <QFrame>
#include <QString>

class QLabel;
class QPushButton;

namespace quintaro::ui {

class BooksPanel final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BooksPanel)

public:
    // Every value "0", as drawn.
    explicit BooksPanel(QWidget* parent);
    ~BooksPanel() override = default;

    void showAnfangssaldo(const QString& text);
    void showEinsatz(const QString& text);
    void showGewinn(const QString& text);
    void showSaldo(const QString& text);

    [[nodiscard]] QPushButton* vordergrundButton() const { return m_vordergrund; }
    [[nodiscard]] QPushButton* hintergrundButton() const { return m_hintergrund; }

private:
    QLabel* addLine(int top, const QString& caption, const QRect& valueRect, int unitLeft,
                    const QString& objectName);
    QPushButton* addButton(const QRect& rect, const QString& caption, const QString& objectName);

    QLabel* m_anfangssaldo;
    QLabel* m_einsatz;
    QLabel* m_gewinn;
    QLabel* m_saldo;
    QPushButton* m_vordergrund;
    QPushButton* m_hintergrund;
};

}  // namespace quintaro::ui
