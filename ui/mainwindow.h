#pragma once

// The main window of Quintaro: a view of the session and the player's ways in.
//
// How a coup flows from Enter to the board. The player types the number that
// fell into the input box and presses Enter. keyPressEvent() turns every Enter
// that no focused push button took for itself into a press of the covered OK
// button, and Button1Click() hands the input box's text to Session::confirm().
// The engine runs its CoupPipeline over the SessionState and calls this window
// back through SessionView at the moments its steps name: the board is
// cleared (showTableau), the coup counted (showCoup), the win and the balance
// booked (showGewinn, showSaldo), the history column redrawn (showPermanenz),
// the numbers of the ticked systems put on the board (showTableau), the stake
// of the next coup shown (showEinsatz), and the input box emptied
// (clearEingabefeld); it keeps the focus. A text that is no integer ends the
// coup early: confirm() says so and the window shows the error report.
//
// The window holds no rule of the game. Every display changes only when the
// engine writes it; the window's own work is layout, focus, the menu, the
// dialogs and keeping itself above other windows.

#include <QMainWindow>
#include <cstdint>
#include <string_view>

#include "engine/session.h"
#include "engine/session_view.h"
#include "ui/sleepercolumnview.h"

class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quintaro::ui {

class AboutDialog;
class AnfangssaldoDialog;
class Board;
class BooksPanel;
class HistoryColumn;
class LogoPanel;
class Panel;
class QuitDialog;

class MainWindow final : public QMainWindow, public SessionView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    // The window as drawn, with its menu and its three dialogs, all hidden.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override = default;

    [[nodiscard]] const Session& session() const { return m_session; }

    // SessionView: what the engine tells the window to show.
    void showTableau(const TableauFlags& tableau) override;
    void showCoup(std::int64_t coupZaehler) override;
    void showAnfangssaldoText(std::string_view text) override;
    void showAnfangssaldo(std::int32_t anfangssaldo) override;
    void showEinsatz(std::int32_t einsatzanzeige) override;
    void showGewinn(std::int32_t gewinn) override;
    void showSaldo(std::int64_t saldo) override;
    void showPermanenz(const History& permanenz) override;
    void showRestantenspalte(const SleeperColumn& column) override;
    void showStartDate() override;
    void focusEingabefeld() override;
    void clearEingabefeld() override;
    void stayOnTop() override;

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createMenu();
    void arrangeTabOrder();
    void connectControls();

    // The window's event handlers, named after the controls they serve.
    void FormActivate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Panel4Click();
    void Anfangssaldoeingeben1Click();
    void Beenden1Click();
    void Info1Click();
    void anfangssaldoOkPressed(const QString& text);

    int showModal(QDialog& dialog);
    void setStaysOnTop(bool onTop);

    Session m_session{*this};
    Panel* m_background;
    SleeperColumnView m_sleepers;
    QLineEdit* m_eingabefeld = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_reset = nullptr;
    QCheckBox* m_quintaro = nullptr;
    QCheckBox* m_zweiDrittel = nullptr;
    QCheckBox* m_zwillinge = nullptr;
    LogoPanel* m_logo = nullptr;
    HistoryColumn* m_history = nullptr;
    Board* m_board = nullptr;
    BooksPanel* m_books = nullptr;
    QLabel* m_date = nullptr;
    AnfangssaldoDialog* m_anfangssaldoDialog = nullptr;
    QuitDialog* m_quitDialog = nullptr;
    AboutDialog* m_aboutDialog = nullptr;
};

}  // namespace quintaro::ui
