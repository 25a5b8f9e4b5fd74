#include "device/PortAccess.h"

#include <gtest/gtest.h>

// Serial devices are crw-rw---- root:dialout; whether a user may open one follows the
// owner, group and other bits in that order, and root may always.
TEST(PortAccess, FollowsOwnerThenGroupThenOthers)
{
    PortAccessFacts port{0, 20, 0660, 1000, {1000, 24}};
    EXPECT_FALSE(mayReadAndWrite(port));
    port.groups.push_back(20);
    EXPECT_TRUE(mayReadAndWrite(port));

    PortAccessFacts readOnlyGroup{0, 20, 0640, 1000, {20}};
    EXPECT_FALSE(mayReadAndWrite(readOnlyGroup));
    PortAccessFacts forEveryone{0, 20, 0666, 1000, {1000}};
    EXPECT_TRUE(mayReadAndWrite(forEveryone));
    // the owner's bits decide for the owner, even when others may
    PortAccessFacts ownerLockedOut{1000, 20, 0066, 1000, {20}};
    EXPECT_FALSE(mayReadAndWrite(ownerLockedOut));
    PortAccessFacts root{0, 20, 0000, 0, {0}};
    EXPECT_TRUE(mayReadAndWrite(root));

    // a port that isn't there gets no advice about groups
    EXPECT_TRUE(portPermissionHint(QStringLiteral("/dev/no-such-port-here")).isEmpty());
}
