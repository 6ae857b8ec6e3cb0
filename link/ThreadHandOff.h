#pragma once

// Messages cross threads through Qt's event queues, whose locks
// ThreadSanitizer cannot see, since Qt is not built with it. Send, once a
// message is made, publishes all the sending thread has done so far under
// the message's address; Receive, first thing in its handler, takes that
// in. Elsewhere both are nothing.

#if defined(__SANITIZE_THREAD__)
#define TAVREL_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TAVREL_THREAD_SANITIZER 1
#endif
#endif

#ifdef TAVREL_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#endif

namespace ThreadHandOff {

#ifdef TAVREL_THREAD_SANITIZER
inline void Send(const void* message) { __tsan_release(const_cast<void*>(message)); }
inline void Receive(const void* message) { __tsan_acquire(const_cast<void*>(message)); }
#else
inline void Send(const void*) { }
inline void Receive(const void*) { }
#endif

} // namespace ThreadHandOff
