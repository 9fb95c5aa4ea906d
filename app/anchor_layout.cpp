#include "app/anchor_layout.h"

#include <QWidget>
#include <QWidgetItem>

namespace timyanka::app {

namespace {

// One axis: a widget anchored to both edges stretches, to the far edge only it moves.
void Place(int designPos, int designLength, int grow, bool nearEdge, bool farEdge, int& pos,
           int& length) {
    pos = designPos;
    length = designLength;
    if (nearEdge && farEdge) {
        length += grow;
    } else if (farEdge) {
        pos += grow;
    }
}

} // namespace

AnchorLayout::AnchorLayout(QWidget* container, QSize designSize)
    : QLayout(container), designSize_(designSize) {
    setContentsMargins(0, 0, 0, 0);
}

AnchorLayout::~AnchorLayout() = default;

void AnchorLayout::AddAnchored(QWidget* widget, Anchors anchors) {
    addChildWidget(widget);
    entries_.push_back({std::make_unique<QWidgetItem>(widget), widget->geometry(), anchors});
    invalidate();
}

void AnchorLayout::addItem(QLayoutItem* item) {
    // Only AddAnchored places widgets; anything else keeps its design place.
    QRect design = item->widget() ? item->widget()->geometry() : item->geometry();
    entries_.push_back({std::unique_ptr<QLayoutItem>(item), design, Anchor::Left | Anchor::Top});
}

QLayoutItem* AnchorLayout::itemAt(int index) const {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return entries_[static_cast<std::size_t>(index)].item.get();
}

QLayoutItem* AnchorLayout::takeAt(int index) {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    auto it = entries_.begin() + index;
    QLayoutItem* item = it->item.release();
    entries_.erase(it);
    return item;
}

int AnchorLayout::count() const {
    return static_cast<int>(entries_.size());
}

void AnchorLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const int dx = rect.width() - designSize_.width();
    const int dy = rect.height() - designSize_.height();
    for (const Entry& e : entries_) {
        int x = 0, w = 0, y = 0, h = 0;
        Place(e.design.x(), e.design.width(), dx, e.anchors.testFlag(Anchor::Left),
              e.anchors.testFlag(Anchor::Right), x, w);
        Place(e.design.y(), e.design.height(), dy, e.anchors.testFlag(Anchor::Top),
              e.anchors.testFlag(Anchor::Bottom), y, h);
        e.item->setGeometry(QRect(rect.x() + x, rect.y() + y, w, h));
    }
}

} // namespace timyanka::app
