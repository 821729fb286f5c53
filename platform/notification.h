#pragma once
// Says a sentence to a screen reader without moving the keyboard focus.
//
// Orca 43 speaks an element of role Notification the moment it is shown, whatever has the
// focus ("уведомление …"), and nothing else a Qt 6.4 program can send does that: a name or
// description change reaches Orca as the object instead of its text, an alert shown or a
// status bar changed is ignored, and Qt 6.4 sets no object attributes for a live region
// (tried: docs/accessibility/orca-findings.md). So the sentence is the name of an element of
// size 0×0, never seen, hidden and shown again for each utterance.
#include <QStringList>
#include <QWidget>

namespace platform {

class Notification : public QWidget {
    Q_OBJECT
public:
    explicit Notification(QWidget* window);

    // Shown at the next turn of the event loop; the sentences given until then are said as one
    // utterance. Orca reads the name when it handles the show, so two shows at once would be
    // heard as the last sentence twice.
    void Say(const QString& sentence);
    // The utterance last shown.
    QString Sentence() const { return sentence_; }

signals:
    // Each utterance as it is shown: the offscreen platform has no bridge, the tests hear here.
    void said(const QString& utterance);

private:
    void ShowPending();

    QString sentence_;
    QStringList pending_;
};

}  // namespace platform
