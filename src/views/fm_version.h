#pragma once

#include <QString>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace kl {

// "Version　　　　　" and the version as major.minor.0.revision.
QString version_label_text(int major, int minor, int revision);

// The version window: the program's name and version, and OK.
class fm_version : public QWidget {
    Q_OBJECT
  public:
    // owner: the window to centre over.
    explicit fm_version(const QWidget* owner);

    std::array<QLabel*, 2> lb_ver;
    QPushButton* Command1;
};

}  // namespace kl
