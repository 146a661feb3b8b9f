// The page around the program: it fits the program to the screen, keeps the keys the quiz
// uses from the browser, turns on what screen readers read, says when the program has ended,
// and keeps the files for the next visit without network.
'use strict';

(() => {
    // The main window's size with the frame Qt draws round it, in CSS pixels at scale 1, and
    // the room kept round it (check-web measures the window against these).
    const windowSize = { width: @WINDOW_WIDTH@, height: @WINDOW_HEIGHT@ };
    const margin = 8;

    const screenElement = document.getElementById('screen');
    const message = document.getElementById('message');
    const viewport = document.querySelector('meta[name=viewport]');

    // On a screen narrower or lower than the window (a phone, a small tablet) the page is
    // laid out wider than the screen and the browser shows all of it smaller: Qt draws at the
    // pixels the page is shown with (it multiplies the device's pixel ratio by the browser's
    // scale), so the program stays whole and sharp. Turned to where it fits, the page is laid
    // out at the screen's width again. Desktop browsers keep their windows' width whatever
    // the page asks; there the page scrolls.
    function fitToScreen() {
        const scale = window.visualViewport ? window.visualViewport.scale : 1;
        const deviceWidth = window.visualViewport ? window.visualViewport.width * scale : window.innerWidth;
        const deviceHeight = window.visualViewport ? window.visualViewport.height * scale : window.innerHeight;
        const footer = document.querySelector('footer').offsetHeight;
        const wanted = { width: windowSize.width + 2 * margin, height: windowSize.height + 2 * margin + footer };
        const width = Math.max(deviceWidth, wanted.width, deviceWidth * wanted.height / deviceHeight);
        const content = width <= deviceWidth + 0.5 ? 'width=device-width, user-scalable=no'
                                                   : `width=${Math.ceil(width)}, user-scalable=no`;
        if (viewport.content !== content)
            viewport.content = content;
        const fits = window.innerWidth >= wanted.width && window.innerHeight >= wanted.height;
        document.documentElement.style.overflow = document.body.style.overflow = fits ? 'hidden' : 'auto';
        document.body.style.minWidth = `${wanted.width}px`;
        document.body.style.minHeight = `${wanted.height}px`;
    }
    fitToScreen();
    window.addEventListener('resize', fitToScreen);
    window.visualViewport?.addEventListener('resize', fitToScreen);

    // Keys a browser would take for itself while the quiz has the focus: F10 (the browser's
    // menu), Alt with a letter (its menus), F2. The quiz gets them all the same.
    window.addEventListener('keydown', event => {
        if (!screenElement.contains(event.target))
            return;
        if (event.key === 'F10' || event.key === 'F2' || (event.altKey && event.key.length === 1))
            event.preventDefault();
    }, true);

    // Qt mirrors the windows for screen readers only once its hidden "Enable Screen Reader"
    // button, in English, is pressed, which a pupil who cannot see the screen would first have
    // to find: it is pressed for them as soon as it is there.
    const qtRoot = () => screenElement.querySelector('#qt-shadow-container')?.shadowRoot;
    const switchWatch = new MutationObserver(pressScreenReaderSwitch);
    function pressScreenReaderSwitch() {
        const button = qtRoot()?.querySelector('button.hidden-visually-read-by-screen-reader');
        if (button) {
            switchWatch.disconnect(); // one press turns it on for every window
            button.click();
        }
    }

    // Qt 6.8 writes an answer's text inside its mirror <input type=radio>, where no screen
    // reader looks, and marks it chosen with checked="true" or "false", where the attribute's
    // mere presence means chosen: the page gives each answer its text as its name, and its
    // state as Qt meant it.
    const mirrorWatch = new MutationObserver(() => {
        for (const radio of qtRoot().querySelectorAll('input[type=radio]')) {
            if (radio.getAttribute('aria-label') !== radio.textContent)
                radio.setAttribute('aria-label', radio.textContent);
            radio.checked = radio.getAttribute('checked') === 'true';
        }
    });

    // Qt makes its screen, in a shadow root, when the program starts.
    const screenWatch = new MutationObserver(() => {
        if (!qtRoot())
            return;
        screenWatch.disconnect();
        switchWatch.observe(qtRoot(), { childList: true, subtree: true });
        mirrorWatch.observe(qtRoot(), { childList: true, subtree: true, characterData: true, attributeFilter: ['checked'] });
        pressScreenReaderSwitch();
    });
    screenWatch.observe(screenElement, { childList: true });

    function showMessage(which) {
        message.hidden = which === null;
        document.getElementById('loading').hidden = which !== 'loading';
        document.getElementById('ended').hidden = which !== 'ended';
        screenElement.hidden = which === 'ended'; // Qt measures the screen as it starts
    }

    // Exit and the main window's close box end the program; a page cannot close itself, so it
    // says so, and how to start again.
    document.addEventListener('zelvarin-ended', () => {
        switchWatch.disconnect();
        showMessage('ended');
        document.getElementById('restart').focus();
    });
    document.getElementById('restart').addEventListener('click', () => window.location.reload());

    if ('serviceWorker' in navigator)
        navigator.serviceWorker.register('service-worker.js').catch(error => console.warn(error));

    window.addEventListener('load', async () => {
        showMessage('loading');
        try {
            await qtLoad({
                qt: {
                    containerElements: [screenElement],
                    // The program brings its fonts; the computer's are neither asked for nor used.
                    localFonts: { familiesCollection: 'NoFontFamilies' },
                    entryFunction: window.zelvarin_entry,
                    onLoaded: () => showMessage(null),
                    onExit: () => document.dispatchEvent(new Event('zelvarin-ended')),
                },
            });
        } catch (error) {
            console.error(error);
            document.getElementById('loading').textContent = 'Програмата не може да се зареди в този браузър.';
        }
    });
})();
