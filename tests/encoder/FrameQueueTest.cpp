// The hand-over of decoded frames between the reading thread and a stream's thread: order,
// the bound on frames in flight, blocks, and the ways either side ends the other's wait.

#include "FrameQueue.h"

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/frame.h>
}

using namespace encoder;

namespace {

struct FrameOwner
{
    AVFrame *frame = av_frame_alloc();
    ~FrameOwner() { av_frame_free(&frame); }
};

FrameQueue::Result pushPts(FrameQueue &queue, int64_t pts, bool wait = true)
{
    FrameOwner owner;
    owner.frame->pts = pts;
    return wait ? queue.push(owner.frame) : queue.tryPush(owner.frame);
}

// Generous: these waits end at once when the queue works, and only a broken one hits them.
constexpr auto kPatience = std::chrono::seconds(60);

} // namespace

TEST(FrameQueue, DeliversInOrderAndNeverHoldsMoreThanItsCapacity)
{
    constexpr size_t kCapacity = 5;
    constexpr int kFrames = 400;
    FrameQueue queue(kCapacity, 2);
    std::atomic<int> released{0};
    int worstInFlight = 0;
    std::thread producer([&] {
        for (int i = 0; i < kFrames; ++i) {
            if (pushPts(queue, i) != FrameQueue::Result::Accepted) {
                ADD_FAILURE() << "frame " << i << " was not accepted";
                break;
            }
            worstInFlight = std::max(worstInFlight, i + 1 - released.load());
        }
        queue.close();
    });
    int expected = 0;
    while (AVFrame *frame = queue.pop()) {
        EXPECT_EQ(frame->pts, expected++);
        if (expected % 50 == 0) // a slow consumer now and then, so the producer runs ahead
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        released.fetch_add(1); // the next pop gives this frame back
    }
    producer.join();
    EXPECT_EQ(expected, kFrames);
    EXPECT_LE(worstInFlight, static_cast<int>(kCapacity));
    EXPECT_GE(worstInFlight, 2);
}

TEST(FrameQueue, FullQueueWaitsUntilTheConsumerRefuses)
{
    FrameQueue queue(3, 3);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(pushPts(queue, i), FrameQueue::Result::Accepted);
    FrameOwner untouched;
    untouched.frame->pts = 99;
    EXPECT_EQ(queue.tryPush(untouched.frame), FrameQueue::Result::Full);
    EXPECT_EQ(untouched.frame->pts, 99);

    auto blocked = std::async(std::launch::async, [&] { return pushPts(queue, 3); });
    ASSERT_NE(queue.pop(), nullptr);
    queue.refuse(); // the stream's cut is complete: the reader must not wait for it
    ASSERT_EQ(blocked.wait_for(kPatience), std::future_status::ready);
    EXPECT_EQ(blocked.get(), FrameQueue::Result::Refused);
    EXPECT_EQ(pushPts(queue, 4), FrameQueue::Result::Refused);
}

TEST(FrameQueue, LessThanABlockArrivesWhenPublishedOrClosed)
{
    FrameQueue queue(8, 4);
    auto first = std::async(std::launch::async, [&] {
        AVFrame *frame = queue.pop();
        return frame ? frame->pts : -1;
    });
    // Give the consumer time to wait; either order must end the same way.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_EQ(pushPts(queue, 7), FrameQueue::Result::Accepted);
    queue.publish();
    ASSERT_EQ(first.wait_for(kPatience), std::future_status::ready);
    EXPECT_EQ(first.get(), 7);

    ASSERT_EQ(pushPts(queue, 8), FrameQueue::Result::Accepted);
    queue.close();
    AVFrame *last = queue.pop();
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->pts, 8);
    EXPECT_EQ(queue.pop(), nullptr);
}

TEST(FrameQueue, AbortEndsBothSidesWaits)
{
    FrameQueue idle(4, 2);
    auto consumer = std::async(std::launch::async, [&] { return idle.pop() == nullptr; });
    FrameQueue full(1, 1);
    ASSERT_EQ(pushPts(full, 0), FrameQueue::Result::Accepted);
    auto producer = std::async(std::launch::async, [&] { return pushPts(full, 1); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    idle.abort();
    full.abort();
    ASSERT_EQ(consumer.wait_for(kPatience), std::future_status::ready);
    ASSERT_EQ(producer.wait_for(kPatience), std::future_status::ready);
    EXPECT_TRUE(consumer.get());
    EXPECT_EQ(producer.get(), FrameQueue::Result::Refused);
    EXPECT_EQ(full.pop(), nullptr);
    EXPECT_TRUE(full.aborted());
}
