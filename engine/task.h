// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <coroutine>
#include <exception>
#include <optional>
#include <utility>

namespace vexlor {

template <typename T>
class Task;

namespace task_detail {

struct PromiseBase {
  std::coroutine_handle<>
      continuation;  // who awaits this task; none for a task started by its owner
  std::exception_ptr error;

  std::suspend_always initial_suspend() noexcept { return {}; }
  // At its end a task hands control straight to whoever awaited it.
  struct FinalAwaiter {
    bool await_ready() noexcept { return false; }
    template <typename Promise>
    std::coroutine_handle<> await_suspend(std::coroutine_handle<Promise> done) noexcept {
      const std::coroutine_handle<> next = done.promise().continuation;
      return next ? next : std::noop_coroutine();
    }
    void await_resume() noexcept {}
  };
  FinalAwaiter final_suspend() noexcept { return {}; }
  void unhandled_exception() { error = std::current_exception(); }
};

template <typename T>
struct Promise : PromiseBase {
  std::optional<T> value;
  Task<T> get_return_object();
  void return_value(T result) { value = std::move(result); }
  T Take() {
    if (error) std::rethrow_exception(error);
    return std::move(*value);
  }
};

template <>
struct Promise<void> : PromiseBase {
  Task<void> get_return_object();
  void return_void() {}
  void Take() {
    if (error) std::rethrow_exception(error);
  }
};

}  // namespace task_detail

// A coroutine of the engine: one of the machine's timed sequences. It does
// nothing until it is awaited, or until its owner calls Start(); whoever
// awaits it goes on when it has ended. A task owns its coroutine and destroys
// it with itself, wherever it stands.
template <typename T = void>
class [[nodiscard]] Task {
 public:
  using promise_type = task_detail::Promise<T>;

  Task() = default;
  explicit Task(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
  Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
  Task& operator=(Task&& other) noexcept {
    if (this != &other) {
      Destroy();
      handle_ = std::exchange(other.handle_, {});
    }
    return *this;
  }
  Task(const Task&) = delete;
  Task& operator=(const Task&) = delete;
  ~Task() { Destroy(); }

  // Runs the task up to its first wait, or to its end.
  void Start() { handle_.resume(); }
  bool Done() const { return !handle_ || handle_.done(); }
  // What a finished task returned; rethrows what it threw.
  T Result() { return handle_.promise().Take(); }

  auto operator co_await() && noexcept {
    struct Awaiter {
      std::coroutine_handle<promise_type> task;
      bool await_ready() const noexcept { return !task || task.done(); }
      std::coroutine_handle<> await_suspend(std::coroutine_handle<> waiting) noexcept {
        task.promise().continuation = waiting;
        return task;
      }
      T await_resume() { return task.promise().Take(); }
    };
    return Awaiter{handle_};
  }

 private:
  void Destroy() {
    if (handle_) std::exchange(handle_, {}).destroy();
  }

  std::coroutine_handle<promise_type> handle_;
};

namespace task_detail {

template <typename T>
Task<T> Promise<T>::get_return_object() {
  return Task<T>(std::coroutine_handle<Promise<T>>::from_promise(*this));
}

inline Task<void> Promise<void>::get_return_object() {
  return Task<void>(std::coroutine_handle<Promise<void>>::from_promise(*this));
}

}  // namespace task_detail

}  // namespace vexlor
