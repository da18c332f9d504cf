#pragma once

#include "errors.h"
#include "main.h"
#include "testroot.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// A fresh data root and a main window started on it; default error messages
// are collected instead of shown.
class ShellTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kvidrel::setErrorSink([this](const QString &message) { errors << message; });
    }
    void TearDown() override
    {
        window.reset();
        kvidrel::mainform = nullptr;
        kvidrel::setErrorSink({});
    }

    kvidrel::Tmainform *start()
    {
        window = std::make_unique<kvidrel::Tmainform>();
        kvidrel::mainform = window.get();
        return window.get();
    }

    QString optionsFile() const { return root.file(QStringLiteral("Egenskaber/Egenskaber.txt")); }

    TestRoot root;
    QStringList errors;
    std::unique_ptr<kvidrel::Tmainform> window;
};
