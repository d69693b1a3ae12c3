#include "ui/mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

#include "ui/aboutdialog.h"
#include "ui/anfangssaldodialog.h"
#include "ui/board.h"
#include "ui/bookspanel.h"
#include "ui/designgeometry.h"
#include "ui/errorreport.h"
#include "ui/fonts.h"
#include "ui/historycolumn.h"
#include "ui/logopanel.h"
#include "ui/panel.h"
#include "ui/placedlabel.h"
#include "ui/quitdialog.h"

namespace quintaro::ui {
namespace {

// The outer rectangle on screen, frame and menu bar included.
constexpr QRect kWindowRect(187, 44, 209, 661);

// Positions in the client area below the menu bar.
constexpr QRect kEingabeLabelRect(16, 12, 47, 13);
constexpr QRect kEingabefeldRect(67, 8, 33, 21);
constexpr QRect kOkRect(120, 8, 57, 17);
constexpr QRect kResetRect(112, 6, 73, 25);
constexpr QRect kQuintaroRect(16, 40, 97, 17);
constexpr QRect kZweiDrittelRect(16, 64, 81, 17);
constexpr QRect kZwillingeRect(16, 88, 113, 17);
constexpr QRect kLogoRect(136, 40, 49, 65);
constexpr QRect kHistoryRect(16, 112, 49, 209);
constexpr QRect kBoardRect(80, 112, 105, 345);
constexpr QRect kBetSlotPanelRect(80, 112, 105, 273);
constexpr QRect kBooksRect(16, 464, 169, 113);
constexpr QRect kDateRect(80, 584, 38, 13);

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QCheckBox* placeCheckBox(QWidget* parent, const QRect& rect, const QString& caption,
                         const QString& objectName) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    box->setGeometry(rect);
    return box;
}

QPushButton* placeButton(QWidget* parent, const QRect& rect, const QString& caption,
                         const QString& objectName) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setGeometry(rect);
    // A focused push button takes Enter for itself.
    button->setAutoDefault(true);
    return button;
}

template <typename Child>
Child* placeChild(QWidget* parent, const QRect& rect, const QString& objectName) {
    auto* child = new Child(parent);
    child->setObjectName(objectName);
    child->setGeometry(rect);
    return child;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      m_background(new Panel(this, Panel::Bevel::None)),
      m_sleepers(m_background) {
    setWindowTitle(QStringLiteral("Quintaro Saphir Version"));
    // A sizeable frame with the system menu and the close box, and no
    // minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(defaultFont());
    new DesignGeometry(this, kWindowRect);

    m_background->setObjectName(QStringLiteral("background"));
    // The background is the system's button-face colour.
    QPalette palette = m_background->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    m_background->setPalette(palette);
    m_background->setAutoFillBackground(true);
    setCentralWidget(m_background);

    createControls();
    createMenu();
    arrangeTabOrder();
    connectControls();

    // The dialogs exist, hidden, before the window is first activated:
    // session start reads the initial-balance dialog's text.
    m_anfangssaldoDialog = new AnfangssaldoDialog(this);
    m_quitDialog = new QuitDialog(this);
    m_aboutDialog = new AboutDialog(this);
    connect(m_anfangssaldoDialog, &AnfangssaldoDialog::okPressed, this,
            &MainWindow::anfangssaldoOkPressed);

    m_eingabefeld->setFocus();
}

void MainWindow::createControls() {
    placeLabel(m_background, kEingabeLabelRect, QStringLiteral("Eingabe"), boldFont());
    m_eingabefeld =
        placeChild<QLineEdit>(m_background, kEingabefeldRect, QStringLiteral("eingabefeld"));
    m_eingabefeld->setText(QStringLiteral("00"));

    // OK lies wholly under Reset: the player never sees it and confirms with Enter.
    m_ok = placeButton(m_background, kOkRect, QStringLiteral("OK"), QStringLiteral("okButton"));
    m_ok->setDefault(true);
    m_reset = placeButton(m_background, kResetRect, QStringLiteral("Reset"),
                          QStringLiteral("resetButton"));
    m_reset->raise();

    const SessionState& state = m_session.state();
    m_quintaro = placeCheckBox(m_background, kQuintaroRect, QStringLiteral("Quintaro"),
                               QStringLiteral("quintaroBox"));
    m_quintaro->setChecked(state.Favoritenspiel);
    m_zweiDrittel = placeCheckBox(m_background, kZweiDrittelRect, QStringLiteral("2/3 Gesetz"),
                                  QStringLiteral("zweiDrittelBox"));
    m_zweiDrittel->setChecked(state.Restantenspiel);
    m_zwillinge = placeCheckBox(m_background, kZwillingeRect, QStringLiteral("Zwillinge verfolgen"),
                                QStringLiteral("zwillingeBox"));
    m_zwillinge->setChecked(state.Zwillingsspiel);

    m_logo = placeChild<LogoPanel>(m_background, kLogoRect, QStringLiteral("logoPanel"));
    m_history =
        placeChild<HistoryColumn>(m_background, kHistoryRect, QStringLiteral("historyColumn"));
    // The bet slots live in the session; their panel lies under the board,
    // which covers it completely, so it stays an empty frame.
    auto* betSlots =
        placeChild<QFrame>(m_background, kBetSlotPanelRect, QStringLiteral("betSlotPanel"));
    betSlots->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_board = placeChild<Board>(m_background, kBoardRect, QStringLiteral("board"));
    m_board->raise();
    m_books = placeChild<BooksPanel>(m_background, kBooksRect, QStringLiteral("booksPanel"));
    m_date = placeLabel(m_background, kDateRect, QString(), defaultFont());
    m_date->setObjectName(QStringLiteral("dateLabel"));
}

void MainWindow::createMenu() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("Datei"));
    connect(datei->addAction(QStringLiteral("1. Anfangssaldo eingeben")), &QAction::triggered, this,
            &MainWindow::Anfangssaldoeingeben1Click);
    connect(datei->addAction(QStringLiteral("Beenden")), &QAction::triggered, this,
            &MainWindow::Beenden1Click);
    // A blank item between "Datei" and "Info": choosing it does nothing.
    menuBar()->addAction(QStringLiteral(" "));
    connect(menuBar()->addAction(QStringLiteral("Info")), &QAction::triggered, this,
            &MainWindow::Info1Click);
}

void MainWindow::arrangeTabOrder() {
    const std::array<QWidget*, 8> order = {m_eingabefeld,
                                           m_ok,
                                           m_books->vordergrundButton(),
                                           m_books->hintergrundButton(),
                                           m_reset,
                                           m_quintaro,
                                           m_zwillinge,
                                           m_zweiDrittel};
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void MainWindow::connectControls() {
    connect(m_ok, &QPushButton::clicked, this, &MainWindow::Button1Click);
    connect(m_books->vordergrundButton(), &QPushButton::clicked, this, &MainWindow::Button2Click);
    connect(m_books->hintergrundButton(), &QPushButton::clicked, this, &MainWindow::Button3Click);
    connect(m_reset, &QPushButton::clicked, this, &MainWindow::Button4Click);
    for (Panel* panel : {m_background, static_cast<Panel*>(m_history), static_cast<Panel*>(m_board),
                         static_cast<Panel*>(m_logo)}) {
        connect(panel, &Panel::backgroundClicked, this, &MainWindow::Panel4Click);
    }
    connect(m_quintaro, &QCheckBox::toggled, this,
            [this](bool ticked) { m_session.setSystem(BettingSystem::Favourite, ticked); });
    connect(m_zweiDrittel, &QCheckBox::toggled, this,
            [this](bool ticked) { m_session.setSystem(BettingSystem::LawOfTheThird, ticked); });
    connect(m_zwillinge, &QCheckBox::toggled, this,
            [this](bool ticked) { m_session.setSystem(BettingSystem::Twins, ticked); });
}

// --- SessionView -----------------------------------------------------------

void MainWindow::showTableau(const TableauFlags& tableau) {
    m_board->showTableau(tableau);
}

void MainWindow::showCoup(std::int64_t coupZaehler) {
    m_board->showCoup(QString::number(coupZaehler));
}

void MainWindow::showAnfangssaldoText(std::string_view text) {
    m_books->showAnfangssaldo(fromUtf8(text));
}

void MainWindow::showAnfangssaldo(std::int32_t anfangssaldo) {
    m_books->showAnfangssaldo(QString::number(anfangssaldo));
}

void MainWindow::showEinsatz(std::int32_t einsatzanzeige) {
    m_books->showEinsatz(QString::number(einsatzanzeige));
}

void MainWindow::showGewinn(std::int32_t gewinn) {
    m_books->showGewinn(QString::number(gewinn));
}

void MainWindow::showSaldo(std::int64_t saldo) {
    m_books->showSaldo(QString::number(saldo));
}

void MainWindow::showPermanenz(const History& permanenz) {
    m_history->showPermanenz(permanenz);
}

void MainWindow::showRestantenspalte(const SleeperColumn& column) {
    m_sleepers.showRestantenspalte(column);
}

void MainWindow::showStartDate() {
    m_date->setText(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    // The label grows to its text, as a label sized to its caption does.
    m_date->resize(std::max(kDateRect.width(), m_date->sizeHint().width()), kDateRect.height());
}

void MainWindow::focusEingabefeld() {
    m_eingabefeld->setFocus();
}

void MainWindow::clearEingabefeld() {
    m_eingabefeld->clear();
}

void MainWindow::stayOnTop() {
    setStaysOnTop(true);
}

// --- Events ------------------------------------------------------------------

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Only an Enter that no focused push button took for itself arrives here.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain =
        (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) ==
        Qt::NoModifier;
    if (enter && plain) {
        m_ok->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// --- Handlers --------------------------------------------------------------

// Session start runs on the first activation only. A closing dialog or a
// return from another program activates the window again and starts nothing.
void MainWindow::FormActivate() {
    if (m_session.started()) {
        return;
    }
    const std::string text = m_anfangssaldoDialog->text().toStdString();
    if (m_session.start(text) == Outcome::NotAnInteger) {
        reportConversionError(this, text);
    }
}

// OK: one coup with the text of the input box.
void MainWindow::Button1Click() {
    const std::string eingabe = m_eingabefeld->text().toStdString();
    if (m_session.confirm(eingabe) == Outcome::NotAnInteger) {
        reportConversionError(this, eingabe);
    }
}

// "Vordergrund": above all ordinary windows from now on.
void MainWindow::Button2Click() {
    setStaysOnTop(true);
}

// "Hintergrund": back among the ordinary windows.
void MainWindow::Button3Click() {
    setStaysOnTop(false);
}

void MainWindow::Button4Click() {
    m_session.reset();
}

// A click on the background of the window, the history column, the board or
// the logo panel.
void MainWindow::Panel4Click() {
    m_eingabefeld->setFocus();
}

void MainWindow::Anfangssaldoeingeben1Click() {
    showModal(*m_anfangssaldoDialog);
}

void MainWindow::Beenden1Click() {
    if (showModal(*m_quitDialog) == QDialog::Accepted) {
        close();
    }
}

void MainWindow::Info1Click() {
    showModal(*m_aboutDialog);
}

// When the dialog closes, the window is active again with the focus where it
// was; a window manager sees to that, and this does it without one. The
// activation starts nothing: session start has already run.
int MainWindow::showModal(QDialog& dialog) {
    const int result = dialog.exec();
    activateWindow();
    return result;
}

void MainWindow::anfangssaldoOkPressed(const QString& text) {
    const std::string balance = text.toStdString();
    if (m_session.confirmAnfangssaldo(balance) == Outcome::NotAnInteger) {
        reportConversionError(m_anfangssaldoDialog, balance);
        return;  // the dialog stays open
    }
    m_anfangssaldoDialog->accept();
}

// Changing the flags with setWindowFlags() would hide the window and build a
// new native window, which moves, resizes and activates it. The widget's own
// record of its flags is updated without that, and the existing native window
// only changes its stacking.
void MainWindow::setStaysOnTop(bool onTop) {
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle()) {
        window->setFlags(flags);
    }
}

}  // namespace quintaro::ui
