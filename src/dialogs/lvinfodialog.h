#pragma once

#include <QDialog>

#include <array>

class QLabel;

namespace quorled {

struct LevelInfo;

// The form `LvInfo` ("Level information"): the current area's name,
// number, data offsets and counts. `OK` closes it.
class LvInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit LvInfoDialog(const LevelInfo& info, QWidget* parent = nullptr);

    // Name, number, object data, enemy data, objects, enemies.
    QLabel* value(int index) const { return values_[static_cast<std::size_t>(index)]; }

private:
    std::array<QLabel*, 6> values_{};
};

} // namespace quorled
