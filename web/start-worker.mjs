// A worker of the page: from its file beside the page, or, in the page in one
// file (sferonda.html), from the script that the page carries in the element
// `id`, through a blob: a page opened from the disk may load nothing beside it.
export function startWorker(id, served, options = {}) {
    const inline = document.getElementById(id);
    if (inline) return new Worker(URL.createObjectURL(new Blob([inline.textContent], { type: 'text/javascript' })));
    return new Worker(served, options);
}
