namespace conf {
template <typename T>
class Setting {
public:
    T get() const { return value; }
    T value;
};
}
