// A layout that keeps each widget where the form placed it and moves or stretches it with
// the edges it is anchored to: anchored left and right, it widens with its container;
// anchored right only, it keeps its distance from the right edge; likewise top and bottom.
#pragma once

#include <QFlags>
#include <QLayout>
#include <QRect>
#include <QSize>

#include <memory>
#include <vector>

namespace timyanka::app {

enum class Anchor { Left = 1, Top = 2, Right = 4, Bottom = 8 };
Q_DECLARE_FLAGS(Anchors, Anchor)
Q_DECLARE_OPERATORS_FOR_FLAGS(Anchors)

class AnchorLayout final : public QLayout {
public:
    // `designSize` is the container's size at which the widgets' present geometries hold.
    AnchorLayout(QWidget* container, QSize designSize);
    ~AnchorLayout() override;

    // Takes the widget at its present geometry.
    void AddAnchored(QWidget* widget, Anchors anchors);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override { return designSize_; }
    QSize minimumSize() const override { return designSize_; }
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        std::unique_ptr<QLayoutItem> item;
        QRect design;
        Anchors anchors;
    };
    QSize designSize_;
    std::vector<Entry> entries_;
};

} // namespace timyanka::app
