#include "ui/ui_component.h"

namespace bf {

void BaseUIComponent::show() {
    if (shown_) return;
    shown_ = true;
    onShow();
}

void BaseUIComponent::update() {
    if (shown_) draw();
}

}  // namespace bf
