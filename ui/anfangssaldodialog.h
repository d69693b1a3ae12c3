#pragma once

// The initial-balance dialog ("Datei" > "1. Anfangssaldo eingeben"). Created
// once and only hidden when closed, so the typed text stays from one opening
// to the next; session start reads its design text "1000". It only collects
// the text: the main window hands it to the session when OK is pressed and
// closes the dialog when the text converted.

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace quintaro::ui {

class AnfangssaldoDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnfangssaldoDialog)

public:
    explicit AnfangssaldoDialog(QWidget* parent);
    ~AnfangssaldoDialog() override = default;

    [[nodiscard]] QString text() const;

signals:
    // OK was pressed with the edit box's text.
    void okPressed(const QString&);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* m_edit;
    QPushButton* m_ok;
};

}  // namespace quintaro::ui
