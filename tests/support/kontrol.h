#pragma once

// A window's control found by the object name the window gives it: the
// windows keep their controls to themselves, and a test reads and clicks them
// as a host would, by what they are.

#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

template <class T> T *kontrol(const QObject *vindue, const char *navn)
{
    T *fundet = vindue ? vindue->findChild<T *>(QString::fromLatin1(navn)) : nullptr;
    if (!fundet)
        throw std::runtime_error(std::string("no control named ") + navn);
    return fundet;
}
