#pragma once

#include "platform/single_instance.h"

#include <QObject>

#include <string>

class QLocalServer;

namespace vellumo {

// How a second start reaches the running window: the running instance listens on a local socket only its
// user can reach and names it in the note of its instance lock; a second start rings it and ends.
class RunningInstance final : public QObject {
    Q_OBJECT
public:
    explicit RunningInstance(QObject* parent = nullptr);

    // Listens in socketFolder (a per-user runtime folder); the socket's name is made from the data folder,
    // so instances on other data folders never meet. The reason when it cannot listen.
    Outcome listen(SingleInstanceLock& lock, const std::string& socketFolder, const std::string& dataFolder);

    // Asks the instance holding the data folder's lock to come to the front; false when none answers.
    static bool Ring(const std::string& dataFolder);

signals:
    void raiseRequested();

private:
    QLocalServer* m_server = nullptr;
};

} // namespace vellumo
