#pragma once

#include "model/GraphicContext.h"
#include "model/GraphicKinds.h"
#include "model/GraphicPropertyTable.h"
#include "model/SKTGraphic.h"
#include "platform/Bundle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A kind of graphic for the model's tests: it counts the calls of its resize rule and redraws on opacity.
class TestShape : public SKTGraphic {
public:
    static QString kindName() { return QStringLiteral("TestShape"); }
    static void registerKind()
    {
        GraphicKinds::registerKind(kindName(), [] { return std::make_shared<TestShape>(); });
    }

    QString className() const override { return kindName(); }
    void setBounds(const QRectF& bounds) override
    {
        ++setBoundsCalls;
        SKTGraphic::setBounds(bounds);
    }
    const GraphicPropertyTable& propertyTable() const override
    {
        static const GraphicPropertyTable table = [] {
            GraphicPropertyTable t = basePropertyTable();
            t.redraw(Redraw::Contents, {"opacity"});
            return t;
        }();
        return table;
    }

    int setBoundsCalls = 0;

protected:
    std::shared_ptr<SKTGraphic> newGraphicOfSameKind() const override
    {
        return std::make_shared<TestShape>();
    }
};

// Points the bundle at a resource folder of the test's own for as long as it lives.
class ScopedResources {
public:
    ScopedResources()
        : m_previous(Bundle::main().resourcesPath())
    {
        Bundle::main().load(m_dir.path());
    }
    ~ScopedResources() { Bundle::main().load(m_previous); }

    void writeStringsTable(const QString& table, const QByteArray& json)
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("strings"));
        QFile file(m_dir.filePath(QStringLiteral("strings/") + table + QStringLiteral(".json")));
        file.open(QIODevice::WriteOnly);
        file.write(json);
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Installs a document window context for as long as it lives.
template <class Context> class ScopedContext : public Context {
public:
    ScopedContext() { GraphicContext::setCurrent(this); }
    ~ScopedContext() override { GraphicContext::setCurrent(nullptr); }
};
