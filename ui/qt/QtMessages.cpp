// Messages and questions, and the handler runner whose errors become messages.
//
// A message box runs a nested event loop. Opened inside the handling of an
// event it lets the toolkit delete what is being handled (a grid's cell
// editor loses the focus to the box and goes) while its event is still on
// the stack. So a message raised while a handler runs waits in a queue until
// the event has been handled: the delivery is posted to the event loop and
// needs no pointer to anything but the texts queued. Outside any handler a
// message is shown at once.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <exception>
#include "QtCommon.h"

namespace gui {

namespace {
std::function<void(const std::string&)> messageHook;
std::function<bool(const std::string&)> questionHook;
std::function<SaveChoice(const std::string&)> saveQuestionHook;
std::deque<std::string> queued;
int handling = 0;          // handlers running, one inside another
bool deliveryPosted = false;
bool delivering = false;   // a box is open, or the hook is being called

// A modal box in front of the window it belongs to; returns the button pressed.
QMessageBox::StandardButton RunBox(QMessageBox::Icon icon, const std::string& text,
                                   QMessageBox::StandardButtons buttons, QMessageBox::StandardButton preset) {
    QString t = qt::Q(text);
    t.replace('\r', '\n');
    // Should the owner go while the box is open, the box goes with it.
    QPointer<QMessageBox> box = new QMessageBox(icon, qt::Q(ApplicationTitle()), t, buttons, qt::DialogOwner());
    box->setDefaultButton(preset);
    qt::PutInFront(box);
    box->exec();
    if (!box) return QMessageBox::NoButton;
    const QMessageBox::StandardButton pressed = box->standardButton(box->clickedButton());
    delete box;
    return pressed;
}

// Shows the queued messages in order, one box at a time.
void Deliver() {
    if (delivering) return;  // a box is open: the loop below shows the rest when it closes
    delivering = true;
    struct Done {
        ~Done() { delivering = false; }
    } done;
    while (!queued.empty()) {
        const std::string text = queued.front();
        queued.pop_front();
        if (messageHook)
            messageHook(text);
        else
            RunBox(QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
    }
}

void PostDelivery() {
    if (deliveryPosted) return;
    deliveryPosted = true;
    QTimer::singleShot(0, qApp, [] {
        deliveryPosted = false;
        Deliver();
    });
}
}  // namespace

void Dispatch(const std::function<void()>& handler) {
    if (!handler) return;
    ++handling;
    struct Done {
        ~Done() { --handling; }
    } done;
    try {
        handler();
    } catch (const std::exception& e) {
        SetHourglass(false);
        ShowMessage(e.what());
    }
}

void SetMessageHook(std::function<void(const std::string&)> hook) { messageHook = std::move(hook); }

void ShowMessage(const std::string& text) {
    queued.push_back(text);
    if (handling > 0 && qApp)
        PostDelivery();
    else
        Deliver();
}

void ShowQueuedMessages() { Deliver(); }

void SetQuestionHook(std::function<bool(const std::string&)> hook) { questionHook = std::move(hook); }

bool AskYesNo(const std::string& text) {
    Deliver();  // what was said before the question comes first
    if (questionHook) return questionHook(text);
    return RunBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void SetSaveQuestionHook(std::function<SaveChoice(const std::string&)> hook) { saveQuestionHook = std::move(hook); }

SaveChoice AskSaveChanges(const std::string& text) {
    Deliver();
    if (saveQuestionHook) return saveQuestionHook(text);
    switch (RunBox(QMessageBox::Warning, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                   QMessageBox::Save)) {
        case QMessageBox::Save: return SaveChoice::Save;
        case QMessageBox::Discard: return SaveChoice::Discard;
        default: return SaveChoice::Cancel;
    }
}

}  // namespace gui
