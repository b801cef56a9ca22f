'use strict';
// Builds the exercise form from its design, forwards what the user does to the form's sheet
// (both compiled from the program's own C++), and shows what the sheet reports. Every place,
// caption, colour, font and rule comes from there; this script only joins them to the page.

(function () {
    const px = (length) => length + 'px';
    const pt = (points) => points + 'pt';

    const elements = new Map(); // designer name -> element
    const messages = []; // shown one after another, as a desktop's message boxes are
    let page = null;
    let accepts = null; // the sheet's key filter for the first number box
    let design = null;

    // What the sheet reports.
    const view = {
        showText(name, text) {
            elements.get(name).value = text;
        },
        showEnabled(name, enabled) {
            elements.get(name).disabled = !enabled;
        },
        showLook(name, face, points) {
            const button = elements.get(name);
            button.style.background = face;
            button.style.fontSize = pt(points);
        },
        showMessage(warning, text) {
            messages.push({ warning, text });
            if (messages.length === 1) {
                showNextMessage();
            }
        },
    };

    // A message as a modal dialog: the window's caption, the text with its line breaks, the
    // warning sign for a warning only, and OK. The focus goes back where it was.
    let focusBeforeMessage = null;
    function showNextMessage() {
        const dialog = document.getElementById('message');
        const { warning, text } = messages[0];
        document.getElementById('message-title').textContent = design.caption;
        document.getElementById('message-text').textContent = text;
        document.getElementById('message-sign').hidden = !warning;
        dialog.setAttribute('role', warning ? 'alertdialog' : 'dialog');
        focusBeforeMessage = focusBeforeMessage || document.activeElement;
        dialog.showModal();
        document.getElementById('message-ok').focus();
    }
    function messageClosed() {
        messages.shift();
        if (messages.length > 0) {
            showNextMessage();
            return;
        }
        if (focusBeforeMessage) {
            focusBeforeMessage.focus();
        }
        focusBeforeMessage = null;
    }

    // The worksheet's bytes, exactly as the sheet wrote them, as a download.
    function download(bytes) {
        const file = new Blob([bytes], { type: 'text/plain; charset=windows-1253' });
        const link = document.createElement('a');
        link.href = URL.createObjectURL(file);
        link.download = design.worksheetName;
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    }

    function place(element, control) {
        Object.assign(element.style, {
            left: px(control.left),
            top: px(control.top),
            width: px(control.width),
            height: px(control.height),
            fontSize: pt(control.points),
            fontWeight: control.bold ? 'bold' : 'normal',
        });
        if (control.background) {
            element.style.background = control.background;
        }
        if (control.foreground) {
            element.style.color = control.foreground;
        }
    }

    // The first number box lets a typed character in only when the sheet's key filter does.
    // What an input method commits cannot be refused beforehand: its refused characters are
    // taken out when the composition ends. Pasted text passes, as on the desktops.
    function filterTyping(box) {
        box.addEventListener('beforeinput', (event) => {
            if (event.inputType === 'insertText' && event.data &&
                ![...event.data].every((character) => accepts(character))) {
                event.preventDefault();
            }
        });
        let before = '';
        box.addEventListener('compositionstart', () => {
            before = box.value;
        });
        box.addEventListener('compositionend', () => {
            const after = box.value;
            let start = 0;
            while (start < before.length && before[start] === after[start]) {
                start++;
            }
            let end = 0;
            while (end < before.length - start &&
                   before[before.length - 1 - end] === after[after.length - 1 - end]) {
                end++;
            }
            const committed = [...after.slice(start, after.length - end)]
                .filter((character) => accepts(character)).join('');
            box.value = after.slice(0, start) + committed + after.slice(after.length - end);
            page.edit(box.id, box.value);
        });
    }

    function makeControl(control) {
        let element;
        if (control.kind === 'TextBox') {
            element = document.createElement('input');
            element.type = 'text';
            element.value = page.text(control.name);
            element.disabled = !page.enabled(control.name);
            element.spellcheck = false;
            element.autocomplete = 'off';
            if (control.maxLength > 0) {
                element.maxLength = control.maxLength;
            }
            if (control.filtered) {
                element.inputMode = 'numeric';
                filterTyping(element);
            }
            element.addEventListener('input', (event) => {
                if (!event.isComposing) {
                    page.edit(control.name, element.value);
                }
            });
        } else if (control.kind === 'Label') {
            element = document.createElement('div');
            element.className = 'label';
            element.textContent = control.caption.replace(/\r\n/g, '\n');
        } else {
            element = document.createElement('button');
            element.type = 'button';
            if (control.kind === 'StandardButton') {
                element.className = 'standard';
            } else {
                element.className = 'face';
                element.style.borderWidth = px(design.bevel);
            }
            if (control.kind === 'PictureButton') {
                const picture = document.createElement('img');
                picture.src = 'magnet-32.png';
                picture.alt = '';
                picture.width = picture.height = design.pictureSize;
                element.append(picture);
            } else {
                element.textContent = control.caption;
            }
            element.addEventListener('click', () => {
                const worksheet = page.click(control.name);
                if (worksheet) {
                    download(worksheet);
                }
            });
        }
        element.id = control.name;
        if (control.kind !== 'Label') {
            element.setAttribute('aria-label', control.accessibleName);
        }
        if (control.toolTip) {
            element.title = control.toolTip;
        }
        place(element, control);
        elements.set(control.name, element);
        return element;
    }

    // A screen smaller than the form shows all of it, scaled down alike in both directions.
    function fit(surface) {
        const scale = Math.min(1, window.innerWidth / design.width,
                               window.innerHeight / design.height);
        surface.style.transform = scale < 1 ? `scale(${scale})` : '';
    }

    // Served from a web server, the page can be installed on a tablet's home screen, and keeps
    // its files for use without a network. Browsers allow neither from disk (file://), nor a
    // service worker over plain http to another computer: there the page simply works online.
    function offerInstalling() {
        if (location.protocol === 'file:') {
            return;
        }
        const manifest = document.createElement('link');
        manifest.rel = 'manifest';
        manifest.href = 'manifest.webmanifest';
        document.head.append(manifest);
        if (window.isSecureContext && 'serviceWorker' in navigator) {
            navigator.serviceWorker.register('service-worker.js');
        }
    }

    Arithmitika().then((module) => {
        design = module.form();
        page = new module.Page(view);
        accepts = module.Page.accepts;
        document.title = design.caption;

        const surface = document.createElement('div');
        surface.id = design.name;
        surface.className = 'form';
        Object.assign(surface.style, {
            width: px(design.width),
            height: px(design.height),
            background: design.background,
            fontFamily: design.fontFamilies,
            fontSize: pt(design.points),
        });
        surface.style.setProperty('--disabled-text', design.disabledText);
        const controls = module.controls();
        for (const control of controls) {
            surface.append(makeControl(control));
        }
        surface.addEventListener('pointermove', (event) => {
            if (event.target === surface) {
                page.pointerMovedOverSurface();
            }
        });
        document.body.prepend(surface);
        document.getElementById('message').addEventListener('close', messageClosed);
        fit(surface);
        window.addEventListener('resize', () => fit(surface));
        elements.get(controls[0].name).focus();
        document.body.dataset.ready = 'true';
        performance.mark('form-ready');
        offerInstalling(); // once the form is ready, so that keeping the files never delays it
    });
})();
