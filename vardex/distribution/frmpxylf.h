#pragma once
#include <QMainWindow>

#include "workspace.h"

class QCheckBox;
class QLineEdit;

namespace vardex {

// Transverse distribution coefficients by the modified eccentric pressure
// (rigid cross beam) method, for crowd, vehicle, trailer and crawler loads.
class frmpxylf : public QMainWindow {
public:
    explicit frmpxylf(Workspace& workspace);

private:
    void yunxin();

    Workspace& workspace_;
    QLineEdit *txtrr, *txtbb, *txtaa, *txtll, *txtn, *txtc0, *txtm;
    QLineEdit *txtbs, *txths, *txtb1, *txtb2, *txthf, *txtbx, *txthx;
    QCheckBox *chkrq, *chkqc, *chkgc, *chkld;
};

}  // namespace vardex
