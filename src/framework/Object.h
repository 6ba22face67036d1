#pragma once

#include <cstddef>
#include <utility>

namespace fw {

class ClassInfo;

// The root of every framework object. Objects are reference counted: a Ref
// retains on copy and releases on destruction, so a routine's references are
// dropped on every way out of it, an exception included.
class Object {
public:
    Object();
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object();

    void Retain() noexcept { ++refs_; }
    void Release() noexcept;
    std::size_t RefCount() const noexcept { return refs_; }

    // The class description the object was made from. An object made outside
    // RuntimeNewObject has none and reports the root class, so casts and
    // property lists refuse it: make framework objects through the registry.
    const ClassInfo& Class() const;

    // Framework objects alive right now; tests use it to prove that a run
    // leaves nothing behind.
    static std::size_t LiveCount() noexcept;

private:
    friend class ClassInfo;
    friend Object* NewInstanceOf(const ClassInfo&);
    std::size_t refs_ = 0;
    const ClassInfo* class_ = nullptr;
};

// A counted reference to a framework object; empty is nil.
template <class T>
class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept {}
    // Takes a new reference to an object that already has owners (or none).
    explicit Ref(T* object) noexcept : object_(object) { if (object_) object_->Retain(); }
    Ref(const Ref& other) noexcept : Ref(other.object_) {}
    Ref(Ref&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    template <class U>
    Ref(const Ref<U>& other) noexcept : Ref(static_cast<T*>(other.get())) {}
    template <class U>
    Ref(Ref<U>&& other) noexcept : object_(static_cast<T*>(other.Leak())) {}
    ~Ref() { if (object_) object_->Release(); }

    Ref& operator=(Ref other) noexcept { std::swap(object_, other.object_); return *this; }

    T* get() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    T& operator*() const noexcept { return *object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }
    bool IsNil() const noexcept { return object_ == nullptr; }

    // Hands the reference over to the caller, who must release it.
    T* Leak() noexcept { return std::exchange(object_, nullptr); }

    template <class U>
    friend bool operator==(const Ref& a, const Ref<U>& b) { return a.get() == b.get(); }
    friend bool operator==(const Ref& a, std::nullptr_t) { return a.object_ == nullptr; }

private:
    T* object_ = nullptr;
};

// A new object of a concrete C++ class, outside the class registry. Used for
// the framework's own helpers; the program makes its objects through
// RuntimeNewObject.
template <class T, class... Args>
Ref<T> MakeRef(Args&&... args)
{
    return Ref<T>(new T(std::forward<Args>(args)...));
}

} // namespace fw
