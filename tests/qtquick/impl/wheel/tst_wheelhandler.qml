import QtQuick
import QtQuick.Controls
import QtTest
import org.vyr.quilt.impl as Quilt
import WheelTest

TestCase {
    id: testCase
    name: "WheelHandler"
    width: 300
    height: 300
    visible: true
    when: windowShown

    Component {
        id: flickableComponent
        Flickable {
            id: flickable
            property alias handler: handler
            property var wheelEvents: []
            property bool acceptWheel: false
            width: 100
            height: 100
            contentWidth: 1000
            contentHeight: 1000
            focus: true
            Rectangle {
                width: 1000
                height: 1000
                color: "steelblue"
            }
            Quilt.WheelHandler {
                id: handler
                target: flickable
                onWheel: wheel => {
                    flickable.wheelEvents.push({ event: wheel, angleDelta: wheel.angleDelta, pixelDelta: wheel.pixelDelta });
                    wheel.accepted = flickable.acceptWheel;
                }
            }
        }
    }

    Component {
        id: barsComponent
        Flickable {
            id: flickable
            property alias handler: handler
            width: 100
            height: 100
            contentWidth: 1000
            contentHeight: 1000
            ScrollBar.vertical: ScrollBar {}
            ScrollBar.horizontal: ScrollBar {}
            Quilt.WheelHandler {
                id: handler
                target: flickable
                filterMouseEvents: true
            }
        }
    }

    Component {
        id: scrollViewComponent
        ScrollView {
            id: view
            property alias flickable: flickable
            property alias handler: handler
            width: 100
            height: 100
            Flickable {
                id: flickable
                contentWidth: 1000
                contentHeight: 1000
                Quilt.WheelHandler {
                    id: handler
                    target: flickable
                    filterMouseEvents: true
                }
            }
        }
    }

    Component {
        id: emptyScrollViewComponent
        ScrollView {
            width: 100
            height: 100
        }
    }

    Component {
        id: contentAreaComponent
        Flickable {
            id: flickable
            property alias handler: handler
            property alias area: area
            width: 100
            height: 100
            contentWidth: 1000
            contentHeight: 1000
            MouseArea {
                id: area
                property int clicks: 0
                width: 1000
                height: 1000
                hoverEnabled: true
                onClicked: ++clicks
            }
            Quilt.WheelHandler {
                id: handler
                target: flickable
            }
        }
    }

    Component {
        id: itemComponent
        Item {}
    }

    function init() {
        WheelTest.setWheelScrollLines(3);
        testPlatform.setSmoothScroll(true);
    }

    function createFlickable() {
        const flickable = createTemporaryObject(flickableComponent, testCase);
        verify(flickable);
        return flickable;
    }

    function test_oneNotch() {
        const flickable = createFlickable();
        mouseWheel(flickable, 50, 50, 0, -120);
        tryCompare(flickable, "contentY", 60);
        compare(flickable.contentX, 0);
        compare(flickable.wheelEvents.length, 1);
        compare(flickable.wheelEvents[0].angleDelta, Qt.point(0, -120));

        mouseWheel(flickable, 50, 50, 0, 120);
        compare(flickable.wheelEvents.length, 2);
        verify(flickable.wheelEvents[1].event === flickable.wheelEvents[0].event, "one event object for all");
        tryCompare(flickable, "contentY", 0);
    }

    function test_notchesAccumulate() {
        const flickable = createFlickable();
        mouseWheel(flickable, 50, 50, 0, -120);
        mouseWheel(flickable, 50, 50, 0, -120);
        verify(flickable.contentY < 60, "the second notch came during the first one's animation");
        tryCompare(flickable, "contentY", 120);
        wait(250);
        compare(flickable.contentY, 120);
    }

    function test_smoothScrollingOfThePlatform() {
        const flickable = createFlickable();
        testPlatform.setSmoothScroll(false);
        mouseWheel(flickable, 50, 50, 0, -120);
        compare(flickable.contentY, 60);

        testPlatform.setSmoothScroll(true);
        mouseWheel(flickable, 50, 50, 0, -120);
        verify(flickable.contentY < 120, "the move is animated");
        tryCompare(flickable, "contentY", 120);
    }

    function test_pageModifiers() {
        const flickable = createFlickable();
        mouseWheel(flickable, 50, 50, 0, -120, Qt.NoButton, Qt.ControlModifier);
        tryCompare(flickable, "contentY", 100);
        flickable.handler.pageScrollModifiers = Qt.NoModifier;
        mouseWheel(flickable, 50, 50, 0, -120, Qt.NoButton, Qt.ControlModifier);
        tryCompare(flickable, "contentY", 160);
        flickable.handler.pageScrollModifiers = undefined;
        compare(flickable.handler.pageScrollModifiers, Qt.ControlModifier | Qt.ShiftModifier);
    }

    function test_acceptedInQml() {
        const flickable = createFlickable();
        flickable.acceptWheel = true;
        mouseWheel(flickable, 50, 50, 0, -120);
        compare(flickable.wheelEvents.length, 1);
        wait(250);
        compare(flickable.contentY, 0);
    }

    // The flickable's own wheel handling shows whether an event reached it.
    function test_blockTargetWheel_data() {
        return [
            { tag: "block, scroll", block: true, scroll: true, handlerScrolls: true, targetScrolls: false },
            { tag: "block, no scroll", block: true, scroll: false, handlerScrolls: false, targetScrolls: false },
            { tag: "pass, scroll", block: false, scroll: true, handlerScrolls: true, targetScrolls: false },
            { tag: "pass, no scroll", block: false, scroll: false, handlerScrolls: false, targetScrolls: true },
        ];
    }

    function test_blockTargetWheel(data) {
        const flickable = createFlickable();
        flickable.handler.blockTargetWheel = data.block;
        flickable.handler.scrollFlickableTarget = data.scroll;
        const accepted = WheelTest.sendWheel(flickable, Qt.point(50, 50), Qt.point(0, 0), Qt.point(0, -120),
                                             Qt.NoScrollPhase, false);
        compare(flickable.wheelEvents.length, 1);
        if (data.handlerScrolls) {
            tryCompare(flickable, "contentY", 60);
            wait(250);
            compare(flickable.contentY, 60);
        } else if (data.targetScrolls) {
            // The flickable scrolls by its own rules: only the direction is known.
            tryVerify(() => flickable.contentY > 0);
        } else {
            wait(250);
            compare(flickable.contentY, 0);
            verify(accepted);
        }
    }

    function test_synthesizedPixelDeltasStaySwallowed() {
        const flickable = createFlickable();
        flickable.handler.blockTargetWheel = false;
        flickable.handler.scrollFlickableTarget = false;
        verify(WheelTest.sendWheel(flickable, Qt.point(50, 50), Qt.point(0, -30), Qt.point(0, -30),
                                   Qt.ScrollUpdate, true));
        wait(250);
        compare(flickable.contentY, 0);
        // Equal pixel and angle deltas come from a wheel, not a touchpad.
        compare(flickable.wheelEvents[0].pixelDelta, Qt.point(0, 0));
    }

    function test_keys_data() {
        return [
            { tag: "End", key: Qt.Key_End, modifiers: Qt.NoModifier, x: 500, y: 900 },
            { tag: "Home", key: Qt.Key_Home, modifiers: Qt.NoModifier, x: 500, y: 0 },
            { tag: "Page Down", key: Qt.Key_PageDown, modifiers: Qt.NoModifier, x: 500, y: 600 },
            { tag: "Page Up", key: Qt.Key_PageUp, modifiers: Qt.NoModifier, x: 500, y: 400 },
            { tag: "Down", key: Qt.Key_Down, modifiers: Qt.NoModifier, x: 500, y: 560 },
            { tag: "Up", key: Qt.Key_Up, modifiers: Qt.NoModifier, x: 500, y: 440 },
            { tag: "Right", key: Qt.Key_Right, modifiers: Qt.NoModifier, x: 560, y: 500 },
            { tag: "Left", key: Qt.Key_Left, modifiers: Qt.NoModifier, x: 440, y: 500 },
            { tag: "Alt+End", key: Qt.Key_End, modifiers: Qt.AltModifier, x: 900, y: 500 },
            { tag: "Alt+Home", key: Qt.Key_Home, modifiers: Qt.AltModifier, x: 0, y: 500 },
            { tag: "Alt+Page Down", key: Qt.Key_PageDown, modifiers: Qt.AltModifier, x: 600, y: 500 },
            { tag: "Alt+Page Up", key: Qt.Key_PageUp, modifiers: Qt.AltModifier, x: 400, y: 500 },
        ];
    }

    function test_keys(data) {
        const flickable = createFlickable();
        flickable.contentX = 500;
        flickable.contentY = 500;
        flickable.forceActiveFocus();
        verify(flickable.activeFocus);

        // Without key navigation the keys pass.
        keyClick(data.key, data.modifiers);
        wait(250);
        compare(flickable.contentX, 500);
        compare(flickable.contentY, 500);

        flickable.handler.keyNavigationEnabled = true;
        keyClick(data.key, data.modifiers);
        tryCompare(flickable, "contentX", data.x);
        tryCompare(flickable, "contentY", data.y);
    }

    function test_plainItemTargetRefused() {
        const flickable = createFlickable();
        const item = createTemporaryObject(itemComponent, testCase);
        ignoreWarning(new RegExp("target must be a QQuickFlickable"));
        flickable.handler.target = item;
        compare(flickable.handler.target, flickable);
        mouseWheel(flickable, 50, 50, 0, -120);
        tryCompare(flickable, "contentY", 60);
    }

    function test_stepSizes() {
        const flickable = createFlickable();
        const handler = flickable.handler;
        compare(handler.verticalStepSize, 60);
        compare(handler.horizontalStepSize, 60);

        handler.horizontalStepSize = 25;
        WheelTest.setWheelScrollLines(5);
        compare(handler.verticalStepSize, 100);
        compare(handler.horizontalStepSize, 25);
        handler.horizontalStepSize = undefined;
        compare(handler.horizontalStepSize, 100);

        // A step of 0 would never scroll: it returns to the desktop's step,
        // and follows it again.
        handler.verticalStepSize = 40;
        handler.verticalStepSize = 0;
        compare(handler.verticalStepSize, 100);
        WheelTest.setWheelScrollLines(2);
        compare(handler.verticalStepSize, 40);
        handler.verticalStepSize = -30;
        compare(handler.verticalStepSize, -30);
    }

    function test_scrollFunctions() {
        const flickable = createFlickable();
        const handler = flickable.handler;
        flickable.contentX = 100;
        flickable.contentY = 100;
        verify(!handler.scrollUp(0));
        verify(!handler.scrollLeft(1e-13));
        verify(!handler.scrollDown(NaN));
        compare(flickable.contentY, 100);

        // Horizontal steps are whole pixels; vertical ones are not (89.3
        // rounds to 89 on a ratio of 1).
        verify(handler.scrollLeft(10.7));
        tryCompare(flickable, "contentX", 90);
        verify(handler.scrollUp(10.7));
        tryCompare(flickable, "contentY", 89);

        verify(handler.scrollDown());
        tryCompare(flickable, "contentY", 149);
        verify(handler.scrollRight());
        tryCompare(flickable, "contentX", 150);
        verify(handler.scrollUp(5000));
        tryCompare(flickable, "contentY", 0);
        verify(!handler.scrollUp());
    }

    function test_barsInteractiveByDevice() {
        const flickable = createTemporaryObject(barsComponent, testCase);
        verify(flickable);
        const vertical = flickable.ScrollBar.vertical;
        const horizontal = flickable.ScrollBar.horizontal;
        compare(vertical.interactive, true);

        let touch = touchEvent(flickable);
        touch.press(0, flickable, 30, 30).commit();
        compare(vertical.interactive, false);
        compare(horizontal.interactive, false);
        touch.release(0, flickable, 30, 30).commit();

        mouseMove(vertical, vertical.width / 2, vertical.height / 2);
        tryCompare(vertical, "interactive", true);
        compare(horizontal.interactive, true);

        // A wheel is a mouse, too.
        touch = touchEvent(flickable);
        touch.press(0, flickable, 30, 30).commit();
        touch.release(0, flickable, 30, 30).commit();
        compare(vertical.interactive, false);
        mouseWheel(flickable, 30, 30, 0, -120);
        compare(vertical.interactive, true);
    }

    function test_scrollViewBars() {
        const view = createTemporaryObject(scrollViewComponent, testCase);
        verify(view);
        const vertical = view.ScrollBar.vertical;
        verify(vertical);
        vertical.interactive = false;
        mouseWheel(view, 50, 50, 0, -120);
        compare(vertical.interactive, true);
        tryCompare(view.flickable, "contentY", 60);
    }

    function test_barsFoundAfterReparenting() {
        const flickable = createFlickable();
        flickable.handler.filterMouseEvents = true;
        const view = createTemporaryObject(emptyScrollViewComponent, testCase);
        verify(view);
        view.contentItem = flickable;
        compare(flickable.parent, view);
        const vertical = view.ScrollBar.vertical;
        verify(vertical);
        vertical.interactive = false;
        mouseWheel(view, 50, 50, 0, -120);
        compare(vertical.interactive, true);
    }

    // While the wheel scrolls, the content shows no hover but still takes clicks.
    function test_contentDuringWheelScrolling() {
        const flickable = createTemporaryObject(contentAreaComponent, testCase);
        verify(flickable);
        mouseWheel(flickable, 50, 50, 0, -120);
        mouseMove(flickable, 60, 60);
        verify(!flickable.area.containsMouse);
        mouseClick(flickable, 60, 60);
        compare(flickable.area.clicks, 1);

        // The wheel-scrolling state ends after 400 ms without a wheel event.
        wait(500);
        mouseMove(flickable, 70, 70);
        tryVerify(() => flickable.area.containsMouse);
    }

    function test_touchpadFling() {
        const flickable = createFlickable();
        let time = 1000;
        WheelTest.sendWheel(flickable, Qt.point(50, 50), Qt.point(0, 0), Qt.point(0, 0), Qt.ScrollBegin, true, 0, time);
        for (let i = 0; i < 4; ++i) {
            time += 10;
            // Qt Quick drops updates without an angle; 8/120 of a 60 px step is 4 px.
            WheelTest.sendWheel(flickable, Qt.point(50, 50), Qt.point(0, -4), Qt.point(0, -8), Qt.ScrollUpdate, true, 0, time);
        }
        tryCompare(flickable, "contentY", 16);
        time += 10;
        WheelTest.sendWheel(flickable, Qt.point(50, 50), Qt.point(0, 0), Qt.point(0, 0), Qt.ScrollEnd, true, 0, time);
        // The gesture keeps going after the fingers left the touchpad.
        tryVerify(() => flickable.contentY > 16);
    }
}
