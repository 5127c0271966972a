// The wx backend lives here.
