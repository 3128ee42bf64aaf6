#include "window/answerbox.h"

#include <QCloseEvent>
#include <QKeyEvent>

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    if (mustAnswer() && event->matches(QKeySequence::Cancel))
        return;
    QMessageBox::keyPressEvent(event);
}

void AnswerBox::closeEvent(QCloseEvent *event)
{
    if (mustAnswer()) {
        event->ignore();
        return;
    }
    QMessageBox::closeEvent(event);
}
