#pragma once
#include <QWidget>

namespace vardex {

// Help for the eccentric pressure window: a fixed text and a button that
// hides it again.
class frmpxyl : public QWidget {
public:
    frmpxyl();
};

}  // namespace vardex
