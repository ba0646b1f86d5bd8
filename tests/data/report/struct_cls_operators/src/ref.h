namespace lib {
template <typename T>
struct ref {
    T* p;
    T* operator->() const { return p; }
    constexpr operator bool() const noexcept
    {
        return p != nullptr;
    }
    bool operator>(const ref& o) const { return p > o.p; }
};
}
