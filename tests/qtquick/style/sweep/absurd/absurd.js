.pragma library

// Values no application should give a control, shared by the absurd forms.

const huge = 1e308
// One word without a break, then words: 100,000 characters.
const longText = "W".repeat(50000) + " wrap".repeat(10000)
// Not a value of any enumeration the controls take.
const badEnum = 12345
const negativeEnum = -7
// An icon that exists neither in the theme nor on disk.
const missingIconName = "quilt-no-such-icon"
const missingIconSource = "file:///nonexistent/quilt-no-such-icon.png"
// A count far beyond what a view may create: only the visible rows are.
const hugeCount = 1000000
