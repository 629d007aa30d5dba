#include "platform/com/ComPtr.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr Guid IID_IShape{0x1A2B3C4D, 0x0001, 0x0002, {1, 2, 3, 4, 5, 6, 7, 8}};
constexpr Guid IID_INamed{0x1A2B3C4D, 0x0001, 0x0003, {1, 2, 3, 4, 5, 6, 7, 8}};
constexpr Guid IID_IOther{0x1A2B3C4D, 0x0001, 0x0004, {1, 2, 3, 4, 5, 6, 7, 8}};

class IShape : public virtual ComObject {
public:
    static constexpr const Guid& iid = IID_IShape;
    virtual int corners() const = 0;
};

class INamed : public virtual ComObject {
public:
    static constexpr const Guid& iid = IID_INamed;
    virtual std::string name() const = 0;
};

class IOther : public virtual ComObject {
public:
    static constexpr const Guid& iid = IID_IOther;
};

// Two interfaces on one object; counts its own destruction.
class Square : public IShape, public INamed {
public:
    explicit Square(int* destroyed) : m_destroyed(destroyed) {}
    ~Square() override { ++*m_destroyed; }
    int corners() const override { return 4; }
    std::string name() const override { return "square"; }

protected:
    void* interfaceFor(const Guid& requested) override
    {
        if (requested == IShape::iid)
            return static_cast<IShape*>(this);
        if (requested == INamed::iid)
            return static_cast<INamed*>(this);
        return ComObject::interfaceFor(requested);
    }

private:
    int* m_destroyed;
};

TEST(ComObject, QueriesInterfacesByGuidAndCountsReferences)
{
    int destroyed = 0;
    {
        ComPtr<Square> square = makeCom<Square>(&destroyed);
        EXPECT_EQ(square->refCount(), 1u);

        ComPtr<INamed> named = queryInterface<INamed>(*square);
        ASSERT_TRUE(named);
        EXPECT_EQ(named->name(), "square");
        ComPtr<IShape> shape = queryInterface<IShape>(*named);
        ASSERT_TRUE(shape);
        EXPECT_EQ(shape->corners(), 4);
        EXPECT_EQ(square->refCount(), 3u);

        EXPECT_FALSE(queryInterface<IOther>(*square));
        void* raw = reinterpret_cast<void*>(1);
        EXPECT_EQ(square->queryInterface(IID_IOther, &raw), E_NOINTERFACE);
        EXPECT_EQ(raw, nullptr);
        EXPECT_EQ(square->queryInterface(IID_IOther, nullptr), E_POINTER);
        EXPECT_EQ(square->refCount(), 3u) << "a failed query adds no reference";

        ASSERT_EQ(square->queryInterface(IID_IUnknown, &raw), S_OK);
        EXPECT_EQ(square->refCount(), 4u);
        static_cast<ComObject*>(raw)->release();
    }
    EXPECT_EQ(destroyed, 1) << "the last release deletes the object, once";
}

TEST(ComObject, PointerCopiesMovesAndResets)
{
    int destroyed = 0;
    ComPtr<IShape> a = makeCom<Square>(&destroyed);
    ComPtr<IShape> b = a;
    EXPECT_EQ(a->refCount(), 2u);
    ComPtr<IShape> c = std::move(b);
    EXPECT_FALSE(b);
    EXPECT_EQ(c->refCount(), 2u);
    ComPtr<IShape>& same = c;
    c = same; // assigning an object to its own pointer keeps it
    EXPECT_EQ(c->refCount(), 2u);
    a.reset();
    EXPECT_EQ(destroyed, 0);
    c = nullptr;
    EXPECT_EQ(destroyed, 1);
}

} // namespace
