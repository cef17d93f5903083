#pragma once
#include <QMainWindow>

#include <array>

#include "workspace.h"

class QLineEdit;
class QRadioButton;

namespace vardex {

// Section properties: area A, flexural inertia II and torsional inertia IT
// of a rectangle, T or box section, a hollow slab or an annulus. Other
// windows read its result fields and dimensions.
class frmjmtx : public QMainWindow {
public:
    explicit frmjmtx(Workspace& workspace);

    // Text1 .. Text18 by their number: inputs 1-15, results 16-18.
    QLineEdit* text(int number) const { return Text[number - 1]; }
    QRadioButton* Option1 = nullptr;  // rectangle, T or box section
    QRadioButton* Option2 = nullptr;  // hollow slab
    QRadioButton* Option3 = nullptr;  // annulus

protected:
    void showEvent(QShowEvent* event) override;

private:
    void chooseKind();
    void yunxin();
    double value(int number) const;

    Workspace& workspace_;
    std::array<QLineEdit*, 18> Text{};
};

}  // namespace vardex
