// A publisher and its subscribers for one kind of event.
//
// Subscribers are told in the order they subscribed, each once; an event is passed by reference
// and is valid only during the call. A subscriber that is destroyed leaves every publisher it was
// subscribed to, and a publisher that is destroyed lets its subscribers go, so neither side can
// call through a dangling pointer. Not for use across threads.
#pragma once

#include <algorithm>
#include <vector>

namespace bf {

template <typename Event>
class EventsPublisher;

template <typename Event>
class EventsSubscriber {
  public:
    EventsSubscriber() = default;
    EventsSubscriber(const EventsSubscriber&) = delete;
    EventsSubscriber& operator=(const EventsSubscriber&) = delete;
    virtual ~EventsSubscriber() {
        for (EventsPublisher<Event>* publisher : publishers_)
            publisher->forget(this);
    }
    virtual void onEvent(const Event& event) = 0;

  private:
    friend class EventsPublisher<Event>;
    std::vector<EventsPublisher<Event>*> publishers_;
};

template <typename Event>
class EventsPublisher {
  public:
    EventsPublisher() = default;
    EventsPublisher(const EventsPublisher&) = delete;
    EventsPublisher& operator=(const EventsPublisher&) = delete;
    ~EventsPublisher() {
        for (EventsSubscriber<Event>* subscriber : subscribers_) {
            auto& list = subscriber->publishers_;
            list.erase(std::remove(list.begin(), list.end(), this), list.end());
        }
    }

    // A subscriber already present is not added twice.
    void subscribe(EventsSubscriber<Event>& subscriber) {
        if (std::find(subscribers_.begin(), subscribers_.end(), &subscriber) != subscribers_.end())
            return;
        subscribers_.push_back(&subscriber);
        subscriber.publishers_.push_back(this);
    }
    void publish(const Event& event) {
        // A subscriber may be destroyed while it is told: walk a copy.
        const std::vector<EventsSubscriber<Event>*> snapshot = subscribers_;
        for (EventsSubscriber<Event>* subscriber : snapshot) {
            if (std::find(subscribers_.begin(), subscribers_.end(), subscriber) !=
                subscribers_.end())
                subscriber->onEvent(event);
        }
    }
    size_t subscriberCount() const { return subscribers_.size(); }

  private:
    friend class EventsSubscriber<Event>;
    void forget(EventsSubscriber<Event>* subscriber) {
        subscribers_.erase(std::remove(subscribers_.begin(), subscribers_.end(), subscriber),
                           subscribers_.end());
    }

    std::vector<EventsSubscriber<Event>*> subscribers_;
};

}  // namespace bf
