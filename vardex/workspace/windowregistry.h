#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>

namespace vardex {

// The single instances of the calculator and help windows. A window is made
// the first time it is asked for: shown when its menu command asks, created
// hidden when another window reads its fields. Once closed (destroyed), the
// next request makes a fresh one.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    ~WindowRegistry();

    void add(const QString& name, Factory make);
    bool knows(const QString& name) const;

    // The window, created hidden if it does not exist yet.
    QWidget* get(const QString& name);
    template <typename W>
    W* get(const QString& name)
    {
        return static_cast<W*>(get(name));
    }

    // The "show a window" command: create if needed, show modeless, bring to front.
    void show(const QString& name);

private:
    struct Entry {
        Factory make;
        QPointer<QWidget> window;
    };
    std::map<QString, Entry> entries_;
};

}  // namespace vardex
