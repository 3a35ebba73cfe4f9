// The base of drawn HUD pieces. A caller shows a component once and then calls update() in every
// frame in which it should be drawn; nothing hides it, the caller simply stops updating it.
#pragma once

namespace bf {

class BaseUIComponent {
  public:
    virtual ~BaseUIComponent() = default;

    // The first call marks the component shown and runs onShow; later calls do nothing.
    virtual void show();
    virtual void onShow() {}
    virtual void draw() = 0;

    // Draws while shown.
    void update();

  private:
    bool shown_ = false;
};

}  // namespace bf
