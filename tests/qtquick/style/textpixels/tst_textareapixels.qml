import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "TextAreaPixels"
    width: 300
    height: 200
    visible: true
    when: windowShown

    Component {
        id: boxed
        Item {
            property alias area: area
            width: 300
            height: 200
            Quilt.Element.type: "Box"

            Flickable {
                x: 20
                y: 20
                width: 200
                height: 100
                TextArea.flickable: TextArea { id: area; text: "Text" }
            }
        }
    }

    function init() {
        failOnWarning(/.*/)
    }

    // The template moves the background next to the Flickable, inside the
    // box; it still paints the text area's colour, not the box's.
    function test_backgroundInFlickable() {
        const box = createTemporaryObject(boxed, testCase)
        const background = box.area.background
        verify(background.parent !== box.area)
        tryVerify(() => background.width > 0)
        waitForRendering(box)
        const image = grabImage(box)
        const point = background.mapToItem(box, background.width - 5, background.height - 5)
        compare(image.pixel(point.x, point.y), Qt.color("#ff0000"))
    }
}
