#pragma once

// What the download layer asks of the network library. The library lives in a
// module of its own, loaded with the first transfer: most sessions never go
// online, and it drags a dozen libraries into memory.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>

namespace kvidrel {

class THenter
{
public:
    virtual ~THenter() = default;
    // Starts fetching Url. Fremskridt gets the bytes received so far; Faerdig
    // gets the whole answer, or the reason it failed, once, from the event loop.
    virtual void Hent(const QUrl &Url, std::function<void(qint64)> Fremskridt,
                      std::function<void(const QByteArray &Svar, const QString &Fejl)> Faerdig) = 0;
    // Ends the transfer; Faerdig follows with a failure.
    virtual void Afbryd() = 0;
    // Ends the transfer without calling back.
    virtual void Opgiv() = 0;
};

} // namespace kvidrel

// The one function the module exports, looked up by this name.
extern "C" {
using LavHenterFunktion = kvidrel::THenter *(*)();
}
#define KVIDREL_LAV_HENTER "kvidrelLavHenter"
