#pragma once

#include "platform/single_instance.h"

#include <QObject>

#include <string>

class QLocalServer;

namespace vellumo {

// How a second start reaches the running window: the running instance listens on a local socket in the
// abstract namespace (its name fits however long the folders' paths are), answers only its own user, and
// names it in the note of its instance lock; a second start rings it and ends.
class RunningInstance final : public QObject {
    Q_OBJECT
public:
    explicit RunningInstance(QObject* parent = nullptr);

    // Listens on a name made from the user and the data folder, so instances on other data folders never
    // meet. The reason when it cannot listen.
    Outcome listen(SingleInstanceLock& lock, const std::string& dataFolder);

    // Asks the instance holding the data folder's lock to come to the front; false when none answers.
    static bool Ring(const std::string& dataFolder);

signals:
    void raiseRequested();

private:
    QLocalServer* m_server = nullptr;
};

} // namespace vellumo
