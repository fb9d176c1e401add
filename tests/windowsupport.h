#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

// Answers the message boxes a test provokes: notes each text and presses the
// button with the next caption given, or the box's default button.
class MessageBoxAnswerer : public QObject {
public:
    explicit MessageBoxAnswerer(QStringList answers = {}) : m_answers(std::move(answers))
    {
        connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
        m_timer.start(5);
    }

    QStringList texts;

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        texts << box->text();
        QAbstractButton *button = box->defaultButton();
        if (!m_answers.isEmpty()) {
            const QString caption = m_answers.takeFirst();
            for (QAbstractButton *candidate : box->buttons())
                if (candidate->text() == caption)
                    button = candidate;
        }
        if (!button)
            button = box->buttons().value(0);
        button->click();
    }

    QStringList m_answers;
    QTimer m_timer;
};

// A choice made in a combo box the way a user makes it.
inline void pick(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}
