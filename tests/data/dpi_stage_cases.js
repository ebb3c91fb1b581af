// Where the DPI stage selection rests, shared by the sensor page's JavaScript test and the
// C++ test of the profile apply's rule, so that both sides keep one rule.
// stage and expected are 0-based; values are the eight DPI values, 0 a stage that is off.
var cases = [
    { tag: "a stage with a value stays", values: [500, 1000, 0, 0, 0, 0, 0, 0], stage: 1, stages: 8, expected: 1 },
    { tag: "the lower stage wins a tie", values: [500, 1000, 0, 2000, 0, 0, 0, 0], stage: 2, stages: 8, expected: 1 },
    { tag: "the nearer stage wins", values: [500, 0, 0, 0, 0, 0, 0, 4000], stage: 5, stages: 8, expected: 7 },
    { tag: "only the last stage has a value", values: [0, 0, 0, 0, 0, 0, 0, 800], stage: 0, stages: 8, expected: 7 },
    { tag: "a stage beyond the stages in use", values: [500, 1000, 1500, 2000, 2500, 3000, 3500, 4000], stage: 6, stages: 4, expected: 3 },
    { tag: "values beyond the stages in use do not count", values: [0, 0, 0, 0, 2500, 0, 0, 0], stage: 1, stages: 4, expected: 1 },
    { tag: "no stage has a value", values: [0, 0, 0, 0, 0, 0, 0, 0], stage: 5, stages: 8, expected: 5 },
    { tag: "a short list is off beyond its end", values: [500], stage: 3, stages: 8, expected: 0 },
    { tag: "a stage below the first", values: [0, 1000, 0, 0, 0, 0, 0, 0], stage: -1, stages: 8, expected: 1 }
]
