// A message box that waits for one of its own buttons. A box that offers
// only Yes and No has no answer for Escape or its close button, so both do
// nothing; with Cancel or OK among the buttons they answer that.
#pragma once

#include <QMessageBox>

class AnswerBox : public QMessageBox
{
    Q_OBJECT

public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool mustAnswer() const { return escapeButton() == nullptr; }
};
