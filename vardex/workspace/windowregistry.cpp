#include "windowregistry.h"

namespace vardex {

WindowRegistry::~WindowRegistry()
{
    for (auto& [name, entry] : entries_)
        delete entry.window.data();
}

void WindowRegistry::add(const QString& name, Factory make) { entries_[name].make = std::move(make); }

bool WindowRegistry::knows(const QString& name) const { return entries_.count(name) != 0; }

QWidget* WindowRegistry::get(const QString& name)
{
    Entry& entry = entries_.at(name);
    if (!entry.window) {
        entry.window = entry.make();
        // Closing a window through its own exit command or its close box
        // destroys it; its fields are gone with it.
        entry.window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return entry.window;
}

void WindowRegistry::show(const QString& name)
{
    QWidget* w = get(name);
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace vardex
