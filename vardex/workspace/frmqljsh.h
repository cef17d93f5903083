#pragma once
#include <QWidget>

namespace vardex {

// The help window: a fixed text about the calculators and a button that closes it.
class frmqljsh : public QWidget {
public:
    explicit frmqljsh(QWidget* parent = nullptr);
};

}  // namespace vardex
