#pragma once

#include "windowfixture.h"

#include <memory>

// A main window alone, started on a fresh data root.
class ShellTest : public RodTest
{
protected:
    void TearDown() override
    {
        window.reset();
        kvidrel::mainform = nullptr;
        RodTest::TearDown();
    }

    kvidrel::Tmainform *start()
    {
        window = std::make_unique<kvidrel::Tmainform>();
        kvidrel::mainform = window.get();
        return window.get();
    }

    std::unique_ptr<kvidrel::Tmainform> window;
};
